# One condition row per group against decomposed charts, through the real
# calculator library.
add_executable(conditions_bench ${CMAKE_CURRENT_LIST_DIR}/conditions_bench.cpp)
target_link_libraries(conditions_bench PRIVATE bazi_core bazi_calc benchmark::benchmark)
add_dependencies(conditions_bench tarnel)
use_gbk_literals(conditions_bench)
