# One static library per folder; sources are picked up by glob so that adding a
# file never means touching a shared list.
function(_nimbo_sources out dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h
       ${CMAKE_SOURCE_DIR}/${dir}/*/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*/*.h)
  list(FILTER srcs EXCLUDE REGEX "/forms/")
  set(${out} ${srcs} PARENT_SCOPE)
endfunction()

function(nimbo_domain_library name dir)
  _nimbo_sources(srcs ${dir})
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Sql ${ARGN})
endfunction()

function(nimbo_forms_library name dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h
       ${CMAKE_SOURCE_DIR}/${dir}/*/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*/*.h)
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC Qt6::Widgets ${ARGN})
endfunction()
