# The drawing area renders text with FreeType, found through fontconfig.
pkg_check_modules(FREETYPE2 REQUIRED IMPORTED_TARGET freetype2)
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
target_link_libraries(platform_gdi PRIVATE PkgConfig::FREETYPE2 PkgConfig::FONTCONFIG)
# Window DCs reach into the windowing area, which reaches the kernel again: the areas' static
# libraries are repeated often enough on the link line for every such chain to resolve.
set_property(TARGET platform_gdi PROPERTY LINK_INTERFACE_MULTIPLICITY 4)
