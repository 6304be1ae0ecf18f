# The bundled sample chart databases: a deterministic generator, run after it
# is built, writes them into the 记录 folder beside the programs, where the open
# dialog starts.
add_library(bazi_sample_charts STATIC
  sample_charts/pillars.cpp
  sample_charts/sample_people.cpp)
target_include_directories(bazi_sample_charts PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/sample_charts)
target_link_libraries(bazi_sample_charts PUBLIC bazi_core)
use_gbk_literals(bazi_sample_charts)

add_executable(bazi-make-samples
  sample_charts/main.cpp
  bazi_db/atomic_output.cpp)
target_link_libraries(bazi-make-samples PRIVATE bazi_sample_charts bazi_db bazi_core)
use_gbk_literals(bazi-make-samples)

set(BAZI_SAMPLE_FOLDER ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/记录)
set(BAZI_SAMPLE_FILES ${BAZI_SAMPLE_FOLDER}/示例记录一.edb ${BAZI_SAMPLE_FOLDER}/示例记录二.edb)
add_custom_command(
  OUTPUT ${BAZI_SAMPLE_FILES}
  COMMAND bazi-make-samples ${BAZI_SAMPLE_FOLDER}
  DEPENDS bazi-make-samples
  COMMENT "Writing the sample chart databases into bin/记录")
add_custom_target(sample_records ALL DEPENDS ${BAZI_SAMPLE_FILES})
