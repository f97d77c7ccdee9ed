# The compile-time checks of the argument table stop the build for each kind of mistake.
#   cmake -DCXX=<compiler> -DSOURCE_DIR=<repository> -DWORK=<scratch folder> -P check_entry_arguments.cmake
# Each case changes one text in a copy of entry_arguments.def or entries.def (the copies come first
# on the include path) and compiles src/common/entry_arguments.cpp, which must fail with its message.
# The copies unchanged must compile, or the failures would prove nothing.
cmake_minimum_required(VERSION 3.20)
set(defs ${SOURCE_DIR}/src)
set(ENV{LC_ALL} C)  # plain quotes in the diagnostics
file(READ ${defs}/entry_arguments.def arguments_def)
file(READ ${defs}/entries.def entries_def)

function(compile_with arguments_text entries_text out_rc out_log)
  file(MAKE_DIRECTORY ${WORK})
  file(WRITE ${WORK}/entry_arguments.def "${arguments_text}")
  file(WRITE ${WORK}/entries.def "${entries_text}")
  execute_process(
    COMMAND ${CXX} -std=c++20 -fsyntax-only -I${WORK} -I${SOURCE_DIR}/include -I${SOURCE_DIR}/src
            ${SOURCE_DIR}/src/common/entry_arguments.cpp
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${out_rc} ${rc} PARENT_SCOPE)
  set(${out_log} "${out}${err}" PARENT_SCOPE)
endfunction()

compile_with("${arguments_def}" "${entries_def}" rc log)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the unchanged tables do not compile:\n${log}")
endif()

# file | text | replacement | what the compiler must say
set(cases
  "arguments|date:vstring(80):in picture:vstring(100):in lilian|date:text(80):in picture:vstring(100):in lilian|an argument of CEEDAYS disagrees with its parameter"
  "arguments|lilian:int4:in day:int4:out|lilian:int4:inout day:int4:out|an argument of CEEDYWK disagrees with its parameter"
  "arguments|x:float8:in fc:feedback result:float8:out\")\nOVLE_ARGUMENTS(CEESSACS|x:float8:in fc:feedback result:float4:out\")\nOVLE_ARGUMENTS(CEESSACS|an argument of CEESDABS disagrees with its parameter"
  "arguments|OVLE_ARGUMENTS(CEEDYWK, \"lilian:int4:in day:int4:out fc:feedback\")||'CEEDYWK' is not a member of"
  "arguments|lilian:int4:in day:int4:out fc:feedback|lilian:int4:in fc:feedback|the line of CEEDYWK has not as many arguments"
  "arguments|OVLE_ARGUMENTS(CEEQCEN,|OVLE_ARGUMENTS(CEEQCEN, \"century_start:int4:out fc:feedback\")\nOVLE_ARGUMENTS(CEEQCEN,|redefinition of"
  "arguments|OVLE_ARGUMENTS(CEEQCEN,|OVLE_ARGUMENTS(CEENOPE, \"x:int4:in\")\nOVLE_ARGUMENTS(CEEQCEN,|CEENOPE is not an entry of entries.def"
  "arguments|date:vstring(80):in picture|date:vstring:in picture|bad_arguments"
  "entries|OVLE_ENTRY(CEEDYWK,|OVLE_ENTRY(CEENEW, \"CEENEW\", datetime, 1)\nOVLE_ENTRY(CEEDYWK,|'CEENEW' is not a member of"
)
set(failures 0)
foreach(case IN LISTS cases)
  string(REPLACE "\\n" "\n" case "${case}")
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 which)
  list(GET fields 1 text)
  list(GET fields 2 replacement)
  list(GET fields 3 expected)
  set(a "${arguments_def}")
  set(e "${entries_def}")
  if(which STREQUAL "arguments")
    string(FIND "${a}" "${text}" at)
    string(REPLACE "${text}" "${replacement}" a "${a}")
  else()
    string(FIND "${e}" "${text}" at)
    string(REPLACE "${text}" "${replacement}" e "${e}")
  endif()
  if(at EQUAL -1)
    message(SEND_ERROR "case '${expected}': the text to change is not in ${which}: ${text}")
    math(EXPR failures "${failures} + 1")
    continue()
  endif()
  compile_with("${a}" "${e}" rc log)
  string(FIND "${log}" "${expected}" found)
  if(rc EQUAL 0 OR found EQUAL -1)
    message(SEND_ERROR "the checks let this through (expected '${expected}'):\n${log}")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()
list(LENGTH cases n)
if(failures EQUAL 0)
  message(STATUS "all ${n} kinds of mistake in the argument table stop the build")
endif()
