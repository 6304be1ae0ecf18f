# The load of a million charts through the window's path (engine into the
# records table), beside sqlite3 printing the same table: bench/load_bench.sh.
add_executable(load_make_database ${CMAKE_CURRENT_LIST_DIR}/load_make_database.cpp)
target_link_libraries(load_make_database PRIVATE bazi_sample_charts bazi_db bazi_core)
use_gbk_literals(load_make_database)

add_executable(load_bench ${CMAKE_CURRENT_LIST_DIR}/load_timed.cpp)
target_link_libraries(load_bench PRIVATE bazi_db bazi_core)
