# bazi-db: CSV import and export of chart databases, and their record count.
add_executable(bazi-db
  bazi_db/main.cpp
  bazi_db/atomic_output.cpp
  bazi_db/csv_file.cpp
  bazi_db/export_command.cpp
  bazi_db/import_command.cpp)
target_link_libraries(bazi-db PRIVATE bazi_db bazi_core)
