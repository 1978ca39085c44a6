# Runs random sessions of arkweld-script, one fresh program directory per seed. Called with
# -DTOOL (arkweld-script), -DSEEDS (seeds separated by commas), -DSTATEMENTS and -DWORK.
# A session that fails, or any sanitizer report, fails the test with the session's report.
string(REPLACE "," ";" seeds "${SEEDS}")
set(failed "")
foreach(seed ${seeds})
  set(dir ${WORK}/seed${seed})
  file(REMOVE_RECURSE ${dir})
  file(MAKE_DIRECTORY ${dir})
  execute_process(COMMAND ${TOOL} --dir ${dir} --random ${seed} --statements ${STATEMENTS}
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  message("${output}")
  if(NOT status EQUAL 0 OR errors MATCHES "ERROR: [A-Za-z]+Sanitizer|SUMMARY: UndefinedBehaviorSanitizer")
    message("seed ${seed} failed (exit ${status}):\n${errors}")
    list(APPEND failed ${seed})
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "random sessions failed, seeds: ${failed}")
endif()
