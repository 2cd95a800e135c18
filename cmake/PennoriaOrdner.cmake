# Each subsystem folder holds its logic in <folder>/*.cpp (library
# pennoria_<folder>, QtCore/QtGui only) and its widgets in <folder>/ui/*.cpp
# (library pennoria_<folder>_ui). Files are globbed so that adding a file
# needs no edit here.
# Folders without sources define no library, so dependencies are named
# through TARGET_NAME_IF_EXISTS.
function(pennoria_ordner name)
  cmake_parse_arguments(O "" "" "DEPENDS;UI_DEPENDS;LIBS" ${ARGN})
  set(deps)
  foreach(d ${O_DEPENDS})
    list(APPEND deps $<TARGET_NAME_IF_EXISTS:${d}>)
  endforeach()
  set(uideps)
  foreach(d ${O_UI_DEPENDS} ${O_DEPENDS})
    list(APPEND uideps $<TARGET_NAME_IF_EXISTS:${d}>)
  endforeach()
  file(GLOB logik CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
                                    ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  set(logik_cpp ${logik})
  list(FILTER logik_cpp INCLUDE REGEX "\\.(cpp|qrc)$")
  if(logik AND NOT logik_cpp)
    # Headers only so far: still usable by the folders after it.
    add_library(pennoria_${name} INTERFACE)
    target_include_directories(pennoria_${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(pennoria_${name} INTERFACE ${deps} ${O_LIBS} Qt6::Core Qt6::Gui)
  elseif(logik)
    add_library(pennoria_${name} STATIC ${logik})
    target_include_directories(pennoria_${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(pennoria_${name} PUBLIC ${deps} ${O_LIBS} Qt6::Core Qt6::Gui)
  endif()
  file(GLOB ui CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h
                                 ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.qrc)
  if(ui)
    add_library(pennoria_${name}_ui STATIC ${ui})
    target_include_directories(pennoria_${name}_ui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/ui)
    if(TARGET pennoria_${name})
      target_link_libraries(pennoria_${name}_ui PUBLIC pennoria_${name})
    endif()
    target_link_libraries(pennoria_${name}_ui PUBLIC ${uideps} Qt6::Widgets Qt6::PrintSupport)
  endif()
endfunction()
