# The desktop window shows the screen through SDL2, loaded at run time (display/sdl_library.cpp):
# only its headers are used at build time.
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
target_include_directories(platform_display PRIVATE ${SDL2_INCLUDE_DIRS})
target_compile_options(platform_display PRIVATE ${SDL2_CFLAGS_OTHER})
target_link_libraries(platform_display PRIVATE ${CMAKE_DL_LIBS})
