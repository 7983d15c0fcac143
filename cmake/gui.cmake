# The window library (ui/, components/, page steps), the window program and halvane-report.
find_package(Qt6 REQUIRED COMPONENTS Widgets Network)
find_package(JPEG REQUIRED)
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

file(GLOB gui_sources CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/ui/*.cpp ${CMAKE_SOURCE_DIR}/ui/*.h
  ${CMAKE_SOURCE_DIR}/components/*.cpp ${CMAKE_SOURCE_DIR}/components/*.h
  ${CMAKE_SOURCE_DIR}/cache/*_step.cpp ${CMAKE_SOURCE_DIR}/clock/*_step.cpp
  ${CMAKE_SOURCE_DIR}/resources/*.qrc)
list(FILTER gui_sources EXCLUDE REGEX "/ui/main\\.cpp$")
add_library(halvane_gui STATIC ${gui_sources})
target_link_libraries(halvane_gui PUBLIC halvane_core Qt6::Widgets Qt6::Network JPEG::JPEG)

if(EXISTS ${CMAKE_SOURCE_DIR}/ui/main.cpp)
  add_executable(halvane ${CMAKE_SOURCE_DIR}/ui/main.cpp)
  target_link_libraries(halvane PRIVATE halvane_gui)
endif()

# The report's logic is a library of its own, so that its tests link it too.
file(GLOB report_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/report/*.cpp)
list(FILTER report_sources EXCLUDE REGEX "/report/main\\.cpp$")
if(report_sources)
  add_library(halvane_report STATIC ${report_sources})
  target_link_libraries(halvane_report PUBLIC halvane_gui)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/report/main.cpp)
  add_executable(halvane-report ${CMAKE_SOURCE_DIR}/report/main.cpp)
  target_link_libraries(halvane-report PRIVATE halvane_report)
endif()
