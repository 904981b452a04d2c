# The internet functions run over libcurl (HTTP and FTP).
pkg_check_modules(LIBCURL REQUIRED IMPORTED_TARGET libcurl)
target_link_libraries(platform_net PRIVATE PkgConfig::LIBCURL)
