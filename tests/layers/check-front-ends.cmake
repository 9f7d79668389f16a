# Fails when a front end could write the game other than through Game::handle:
# a reference or pointer to the game's state that is not const, a Program of
# its own, or a const_cast.
# Run as: cmake -DFRONT_END_DIRS=<shell>,<web> -P check-front-ends.cmake
string(REPLACE "," ";" dirs "${FRONT_END_DIRS}")
set(state_types "Program|PlatformGate|Zandiro|Cheat|Keyboard|Module1|Form|Control|WindowFrame")
set(files "")
foreach(dir IN LISTS dirs)
  file(GLOB_RECURSE found "${dir}/*.h" "${dir}/*.cpp")
  list(APPEND files ${found})
endforeach()
if(NOT files)
  message(FATAL_ERROR "no front-end sources found under ${FRONT_END_DIRS}")
endif()
set(offences "")
foreach(path IN LISTS files)
  file(STRINGS "${path}" lines)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "//.*" "" code "${line}")
    string(REGEX REPLACE "const[ \t]+(zandiro::)?(${state_types})([^A-Za-z_]|$)" "\\3" code "${code}")
    if(code MATCHES "(^|[^A-Za-z_])(${state_types})[ \t]*(&|\\*)"
       OR code MATCHES "(^|[^A-Za-z_:])Program[ \t]+[A-Za-z_]+[ \t]*[;{(]"
       OR code MATCHES "const_cast")
      string(APPEND offences "\n  ${path}: ${line}")
    endif()
  endforeach()
endforeach()
if(offences)
  message(FATAL_ERROR "a front end writes the game other than through Game::handle:${offences}")
endif()
list(LENGTH files count)
message(STATUS "${count} front-end files read the game only as const")
