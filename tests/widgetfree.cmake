# Fails when a program given after `--` needs Qt Widgets at run time: the
# suites of the widget-free libraries must run where no widget library is.
#   cmake -DREADELF=readelf -P widgetfree.cmake -- program...
set(programs)
set(seen_dashes FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
    if(seen_dashes)
        list(APPEND programs "${CMAKE_ARGV${i}}")
    elseif(CMAKE_ARGV${i} STREQUAL "--")
        set(seen_dashes TRUE)
    endif()
endforeach()
if(NOT programs)
    message(FATAL_ERROR "no programs to check")
endif()

foreach(program IN LISTS programs)
    execute_process(COMMAND ${READELF} --dynamic ${program}
                    OUTPUT_VARIABLE dynamic RESULT_VARIABLE failed)
    if(failed OR NOT dynamic MATCHES "NEEDED[^\n]*libQt6Core")
        message(FATAL_ERROR "cannot read the libraries of ${program}")
    endif()
    if(dynamic MATCHES "NEEDED[^\n]*libQt6Widgets")
        message(SEND_ERROR "${program} links Qt Widgets")
    endif()
endforeach()
