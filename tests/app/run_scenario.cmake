# Runs one scenario through the scripted driver and compares what it prints
# and the snapshots it writes with the expected ones checked in beside the
# script. With ASTROLATHE_UPDATE_SCENARIOS=1 in the environment it writes
# the new results over the expected ones instead (look at them before
# committing).
#   -DREPLAY=<driver> -DSOURCE=<tests/app> -DNAME=<scenario> -DWORK=<directory>
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(
  COMMAND "${REPLAY}" "${SOURCE}/${NAME}.script"
  WORKING_DIRECTORY "${WORK}"
  OUTPUT_FILE "${WORK}/${NAME}.dump"
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NAME}: the driver failed (${status}): ${errors}")
endif()

file(GLOB produced RELATIVE "${WORK}" "${WORK}/${NAME}*.png")
file(GLOB expected RELATIVE "${SOURCE}" "${SOURCE}/${NAME}*.png")
set(results ${NAME}.dump ${produced})

if("$ENV{ASTROLATHE_UPDATE_SCENARIOS}" STREQUAL "1")
  foreach(f IN LISTS results)
    file(COPY_FILE "${WORK}/${f}" "${SOURCE}/${f}")
  endforeach()
  return()
endif()

list(SORT produced)
list(SORT expected)
if(NOT "${produced}" STREQUAL "${expected}")
  message(FATAL_ERROR "${NAME}: snapshots written (${produced}) are not those expected (${expected})")
endif()
foreach(f IN LISTS results)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/${f}" "${SOURCE}/${f}"
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${NAME}: ${WORK}/${f} differs from ${SOURCE}/${f}")
  endif()
endforeach()
