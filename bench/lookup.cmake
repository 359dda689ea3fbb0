find_package(Qt6 REQUIRED COMPONENTS Widgets)
sb_add_bench(bench_lookup sb_app sb_lookup sb_catalogue SQLite::SQLite3 Qt6::Widgets)
