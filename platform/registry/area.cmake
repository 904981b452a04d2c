# The registry keeps its keys and values in SQLite.
target_link_libraries(platform_registry PRIVATE PkgConfig::SQLITE3)
