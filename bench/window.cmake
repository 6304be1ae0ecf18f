# The real window over a million charts (bench/scale.sh); only with the window.
if(TARGET bazi_ui)
  add_executable(window_bench ${CMAKE_CURRENT_LIST_DIR}/window_bench.cpp
                              ${CMAKE_CURRENT_LIST_DIR}/window_driver.cpp)
  target_include_directories(window_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(window_bench PRIVATE bazi_ui bazi_db bazi_calc)
  add_dependencies(window_bench tarnel)
endif()
