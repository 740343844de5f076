# Runs the catalogue generator into a fresh folder and compares the result, file by file,
# with catalogue/definitions/. Fails on any difference, missing or extra file.
#   cmake -DPYTHON=python3 -DSOURCE_DIR=<repo> -DWORK_DIR=<scratch> -P CompareGenerated.cmake
cmake_minimum_required(VERSION 3.25)
foreach(var PYTHON SOURCE_DIR WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

set(committed_dir "${SOURCE_DIR}/catalogue/definitions")
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(
  COMMAND "${PYTHON}" "${SOURCE_DIR}/tools/generate_catalogue.py" --quiet --out "${WORK_DIR}"
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the generator failed (exit ${rc})")
endif()

file(GLOB fresh RELATIVE "${WORK_DIR}" "${WORK_DIR}/*")
file(GLOB committed RELATIVE "${committed_dir}" "${committed_dir}/*")
set(problems "")
foreach(name IN LISTS committed)
  if(NOT name IN_LIST fresh)
    string(APPEND problems "  not generated any more: ${name}\n")
  endif()
endforeach()
foreach(name IN LISTS fresh)
  if(NOT name IN_LIST committed)
    string(APPEND problems "  generated but not committed: ${name}\n")
  else()
    execute_process(
      COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORK_DIR}/${name}" "${committed_dir}/${name}"
      RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
      string(APPEND problems "  differs: ${name}\n")
    endif()
  endif()
endforeach()
if(problems)
  message(FATAL_ERROR "catalogue/definitions/ is not what tools/generate_catalogue.py writes; "
                      "run it and commit the result:\n${problems}")
endif()
message(STATUS "catalogue/definitions/ matches the generator (${WORK_DIR})")
