# The imaging area decodes with libpng, libjpeg and giflib, and writes PNG with libpng.
pkg_check_modules(LIBPNG REQUIRED IMPORTED_TARGET libpng)
pkg_check_modules(LIBJPEG REQUIRED IMPORTED_TARGET libjpeg)
find_library(GIF_LIBRARY NAMES gif REQUIRED)
find_path(GIF_INCLUDE_DIR gif_lib.h REQUIRED)
target_include_directories(platform_imaging PRIVATE ${GIF_INCLUDE_DIR})
target_link_libraries(platform_imaging PRIVATE PkgConfig::LIBPNG PkgConfig::LIBJPEG ${GIF_LIBRARY})
