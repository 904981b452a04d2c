# The desktop window shows the screen through SDL2.
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
target_link_libraries(platform_display PRIVATE PkgConfig::SDL2)
