# The PIM store lives in SQLite.
target_link_libraries(platform_pim PRIVATE PkgConfig::SQLITE3)
# The store's notifications reach into the windowing area, which reaches back into the kernel: the
# areas' cycle must be repeated once more on the link line.
set_property(TARGET platform_pim PROPERTY LINK_INTERFACE_MULTIPLICITY 3)
