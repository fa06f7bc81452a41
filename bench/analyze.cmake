# bench_analyze runs scikit-image's yardstick from the source tree.
target_compile_definitions(bench_analyze PRIVATE REGIONPROPS_PY="${CMAKE_CURRENT_LIST_DIR}/regionprops.py")
