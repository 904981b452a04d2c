# Compiling a resource script into the standard 32-bit resource layout at build time.
# The C compiler's preprocessor expands the script (so a fresh machine needs no clang for llvm-rc),
# then llvm-rc compiles the expanded text; files named by the script are looked up beside it.
# "--" keeps an input path such as /check/... from being read as a switch.
#
# qv_compile_resources(OUTPUT <file.res> SCRIPT <file.rc> [DEPENDS <files the script names>...])
find_program(QV_LLVM_RC NAMES llvm-rc llvm-rc-19 llvm-rc-18 llvm-rc-17 llvm-rc-16 llvm-rc-15 llvm-rc-14 REQUIRED)

function(qv_compile_resources)
  cmake_parse_arguments(ARG "" "OUTPUT;SCRIPT" "DEPENDS" ${ARGN})
  get_filename_component(script_dir ${ARG_SCRIPT} DIRECTORY)
  get_filename_component(script_name ${ARG_SCRIPT} NAME_WE)
  get_filename_component(output_dir ${ARG_OUTPUT} DIRECTORY)
  set(expanded ${output_dir}/${script_name}.rc.i)
  set(depfile ${output_dir}/${script_name}.rc.d)
  # -undef keeps the compiler's own macros (linux, unix) out of the script's words.
  add_custom_command(
    OUTPUT ${expanded}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
    COMMAND ${CMAKE_C_COMPILER} -E -P -undef -x c -DRC_INVOKED -I${script_dir}
            -MD -MF ${depfile} -MT ${expanded} ${ARG_SCRIPT} -o ${expanded}
    DEPENDS ${ARG_SCRIPT}
    DEPFILE ${depfile}
    COMMENT "Preprocessing ${script_name}.rc"
    VERBATIM)
  add_custom_command(
    OUTPUT ${ARG_OUTPUT}
    COMMAND ${QV_LLVM_RC} -no-preprocess -C 65001 -I ${script_dir} -FO ${ARG_OUTPUT} -- ${expanded}
    DEPENDS ${expanded} ${ARG_DEPENDS}
    WORKING_DIRECTORY ${script_dir}
    COMMENT "Compiling resources ${script_name}.rc"
    VERBATIM)
endfunction()
