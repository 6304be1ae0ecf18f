# Decomposition of one chart through the real calculator library.
add_executable(decompose_bench ${CMAKE_CURRENT_LIST_DIR}/decompose_bench.cpp)
target_link_libraries(decompose_bench PRIVATE bazi_core bazi_calc benchmark::benchmark)
use_gbk_literals(decompose_bench)
