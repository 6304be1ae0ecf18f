add_executable(bazi-query-cli
  query_cli/main.cpp
  query_cli/cli_options.cpp
  query_cli/result_output.cpp)
target_link_libraries(bazi-query-cli PRIVATE bazi_core bazi_db bazi_calc)
add_dependencies(bazi-query-cli tarnel)
