# The internet functions run over libcurl (HTTP and FTP), loaded at run time (net/curl_library.cpp):
# only its headers are used at build time.
pkg_check_modules(LIBCURL REQUIRED IMPORTED_TARGET libcurl)
target_include_directories(platform_net PRIVATE ${LIBCURL_INCLUDE_DIRS})
target_compile_options(platform_net PRIVATE ${LIBCURL_CFLAGS_OTHER})
target_link_libraries(platform_net PRIVATE ${CMAKE_DL_LIBS})
