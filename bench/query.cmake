# The query over a million charts through the real calculator library.
add_executable(query_bench ${CMAKE_CURRENT_LIST_DIR}/query_bench.cpp)
target_link_libraries(query_bench PRIVATE bazi_core bazi_calc)
add_dependencies(query_bench tarnel)
use_gbk_literals(query_bench)
