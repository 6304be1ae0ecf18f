# bazi-db and the sample generator, run as programs.
add_executable(bazi_db_tool_tests
  ${CMAKE_CURRENT_LIST_DIR}/bazi_db_tool_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bazi_db_samples_test.cpp)
target_link_libraries(bazi_db_tool_tests PRIVATE
  bazi_sample_charts bazi_db bazi_core GTest::gmock GTest::gtest_main)
target_include_directories(bazi_db_tool_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/db)
target_compile_definitions(bazi_db_tool_tests PRIVATE
  BAZI_DB_PROGRAM="$<TARGET_FILE:bazi-db>"
  BAZI_MAKE_SAMPLES_PROGRAM="$<TARGET_FILE:bazi-make-samples>"
  BAZI_SAMPLE_FOLDER_U8=u8"${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/记录")
add_dependencies(bazi_db_tool_tests bazi-db bazi-make-samples sample_records)
use_gbk_literals(bazi_db_tool_tests)
gtest_discover_tests(bazi_db_tool_tests DISCOVERY_TIMEOUT 60)
