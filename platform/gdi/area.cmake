# The drawing area renders text with FreeType, found through fontconfig.
pkg_check_modules(FREETYPE2 REQUIRED IMPORTED_TARGET freetype2)
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
target_link_libraries(platform_gdi PRIVATE PkgConfig::FREETYPE2 PkgConfig::FONTCONFIG)
