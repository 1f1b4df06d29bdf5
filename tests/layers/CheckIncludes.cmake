# Fails when an include line of src/ runs from a lower layer to a higher
# one, or when a Qt-free layer includes a Qt header.
#
#   cmake -DROOT=<project folder> -P tests/layers/CheckIncludes.cmake
#
# A file's layer is its folder under src/ (for core/ the subsystem's folder
# too); an include names its layer by its first folders ("core/modes/...").
# Each layer may include the layers listed with it below. Within core/ a
# subsystem may include those before it in kCoreOrder. data/ holds generated
# tables that every layer may compile in.

cmake_minimum_required(VERSION 3.25)

set(kCoreOrder dictionary atf document view modes search files commands)
set(kMayUse_base base)
set(kMayUse_platform base platform)
set(kMayUse_core base platform core)
set(kMayUse_qt base platform qt)
set(kMayUse_gui base platform core qt gui)
set(kMayUse_app base platform core qt gui app)
set(kMayUse_tools base platform core tools)
# The layers that may include Qt's headers.
set(kQtLayers qt gui app)

if(NOT ROOT)
  message(FATAL_ERROR "ROOT (the project folder) is not set")
endif()

# Sets <out> to "layer" or "core/<subsystem>" for a path relative to src/,
# or to "" when the path names no layer.
function(layer_of path out)
  string(REGEX MATCH "^([a-z]+)/" _ "${path}")
  set(top "${CMAKE_MATCH_1}")
  if(top STREQUAL "core")
    string(REGEX MATCH "^core/([a-z]+)/" _ "${path}")
    set(${out} "core/${CMAKE_MATCH_1}" PARENT_SCOPE)
  elseif(DEFINED kMayUse_${top})
    set(${out} "${top}" PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

set(violations 0)
file(GLOB_RECURSE sources RELATIVE "${ROOT}/src" "${ROOT}/src/*.h" "${ROOT}/src/*.cpp")
foreach(source IN LISTS sources)
  layer_of("${source}" from)
  if(from STREQUAL "")
    message("src/${source}: lies in no layer's folder")
    math(EXPR violations "${violations} + 1")
    continue()
  endif()
  string(REGEX MATCH "^[a-z]+" fromTop "${from}")
  file(STRINGS "${ROOT}/src/${source}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*)")
      if(NOT fromTop IN_LIST kQtLayers)
        message("src/${source}: ${from} is Qt-free but includes <${CMAKE_MATCH_1}>")
        math(EXPR violations "${violations} + 1")
      endif()
      continue()
    endif()
    if(NOT line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      continue()
    endif()
    set(target "${CMAKE_MATCH_1}")
    if(target MATCHES "^data/")
      continue()
    endif()
    layer_of("${target}" to)
    string(REGEX MATCH "^[a-z]+" toTop "${to}")
    set(allowed FALSE)
    if(NOT to STREQUAL "" AND toTop IN_LIST kMayUse_${fromTop})
      set(allowed TRUE)
      if(fromTop STREQUAL "core" AND toTop STREQUAL "core")
        string(REPLACE "core/" "" fromSub "${from}")
        string(REPLACE "core/" "" toSub "${to}")
        list(FIND kCoreOrder "${fromSub}" fromRank)
        list(FIND kCoreOrder "${toSub}" toRank)
        if(fromRank LESS 0 OR toRank LESS 0 OR toRank GREATER fromRank)
          set(allowed FALSE)
        endif()
      endif()
    endif()
    if(NOT allowed)
      if(to STREQUAL "")
        set(to "no layer")
      endif()
      message("src/${source}: ${from} includes \"${target}\" (${to})")
      math(EXPR violations "${violations} + 1")
    endif()
  endforeach()
endforeach()

list(LENGTH sources count)
if(violations GREATER 0)
  message(FATAL_ERROR "${violations} include(s) against the layers in ${count} files")
endif()
message("The includes of ${count} files follow the layers")
