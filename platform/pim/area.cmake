# The PIM store lives in SQLite.
target_link_libraries(platform_pim PRIVATE PkgConfig::SQLITE3)
