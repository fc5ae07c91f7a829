# Runs one fuzz target for SECONDS on its committed seeds. New inputs go to a fresh WORK
# folder (libFuzzer writes to its first corpus folder), so the repository stays untouched.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048
        -artifact_prefix=${WORK}/artifacts/ -print_final_stats=1 ${WORK}/corpus ${SEEDS}
    RESULT_VARIABLE result
)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); reproducer in ${WORK}/artifacts")
endif()
