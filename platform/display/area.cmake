# The desktop window shows the screen through SDL2; screenshots are PNG files.
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(LIBPNG REQUIRED IMPORTED_TARGET libpng)
target_link_libraries(platform_display PRIVATE PkgConfig::SDL2 PkgConfig::LIBPNG)
