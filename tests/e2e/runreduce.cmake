# The reducer of arkweld-script keeps only what a failure needs: a script of statements that run
# and one that fails (a disabled command) comes back as that one statement, with the answer queued
# for it. Called with -DTOOL (arkweld-script) and -DWORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(script "client 800 600\nstatus\nfailwrites 0\nstatus\nmessage ok\ncommand edit/undo\nfailreads 0\n")
string(APPEND script "status\ncommand 99999\nstatus\nclient 640 480\nfailwrites 0\n")
file(WRITE ${WORK}/failing.aws "${script}")
execute_process(COMMAND ${TOOL} --dir ${WORK}/tries --reduce ${WORK}/reduced.aws ${WORK}/failing.aws
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the reducer ended with ${status}:\n${output}${errors}")
endif()
file(READ ${WORK}/reduced.aws reduced)
if(NOT reduced STREQUAL "command 99999\n")
  message(FATAL_ERROR "reduced to:\n${reduced}")
endif()
