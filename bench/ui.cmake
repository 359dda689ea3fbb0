find_package(Qt6 REQUIRED COMPONENTS Widgets)
sb_add_bench(bench_ui sb_ui sb_base sb_zip_writer Qt6::Widgets)
