# Runs the simulator twice with one seed and once with another: the first two must print the same,
# the third something else.
foreach(run a b c)
  set(seed 7)
  if(run STREQUAL c)
    set(seed 8)
  endif()
  execute_process(COMMAND ${SIM} --games 20 --seed ${seed} OUTPUT_VARIABLE out_${run}
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "run ${run} failed (${rc}):\n${out_${run}}")
  endif()
endforeach()
if(NOT out_a STREQUAL out_b)
  message(FATAL_ERROR "one seed, two outputs:\n${out_a}\n---\n${out_b}")
endif()
if(out_a STREQUAL out_c)
  message(FATAL_ERROR "two seeds, one output:\n${out_a}")
endif()
