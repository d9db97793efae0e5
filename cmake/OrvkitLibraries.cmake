# One library per layer; each folder's units are picked up as they are added.
set(ORVKIT_CORE_FOLDERS core engines datetime)
set(ORVKIT_WIDGET_FOLDERS framework edits spin calculators calendar controls)

function(orvkit_collect out_sources out_headers)
  set(sources)
  set(headers)
  foreach(folder IN LISTS ARGN)
    file(GLOB s CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
    file(GLOB h CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.h)
    list(APPEND sources ${s})
    list(APPEND headers ${h})
  endforeach()
  set(${out_sources} ${sources} PARENT_SCOPE)
  set(${out_headers} ${headers} PARENT_SCOPE)
endfunction()

function(orvkit_library target export_name qt_dep)
  orvkit_collect(sources headers ${ARGN})
  if(sources)
    add_library(${target} ${sources} ${headers})
    target_include_directories(${target} PUBLIC
      $<BUILD_INTERFACE:${ORVKIT_INCLUDE_ROOT}>
      $<INSTALL_INTERFACE:include>)
    target_link_libraries(${target} PUBLIC ${qt_dep})
    target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
    orvkit_warnings(${target})
  else()
    # Nothing built in these folders yet: the target only forwards its dependencies.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE
      $<BUILD_INTERFACE:${ORVKIT_INCLUDE_ROOT}>
      $<INSTALL_INTERFACE:include>)
    target_link_libraries(${target} INTERFACE ${qt_dep})
  endif()
  set_target_properties(${target} PROPERTIES EXPORT_NAME ${export_name})
  add_library(Orvkit::${export_name} ALIAS ${target})
  foreach(folder IN LISTS ARGN)
    file(GLOB h CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.h)
    if(h)
      install(FILES ${h} DESTINATION include/orvkit/${folder})
    endif()
  endforeach()
endfunction()

orvkit_library(OrvkitCore Core Qt6::Core ${ORVKIT_CORE_FOLDERS})
orvkit_library(OrvkitWidgets Widgets "Qt6::Widgets;Qt6::PrintSupport;OrvkitCore" ${ORVKIT_WIDGET_FOLDERS})
