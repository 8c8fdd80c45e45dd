# Two commands do everything on a fresh Debian machine: `make run` and `make test`.
JOBS ?= $(shell nproc)
RELEASE_DIR := build/release
TEST_DIR := build/test
BENCH_DIR := build/bench
FUZZ_DIR := build/fuzz
FUZZ_SECONDS ?= 20

.PHONY: run test bench setup build clean format install dist test-office fuzz stress bench-check


setup:
	@bash scripts/setup.sh

build: setup
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: build
	cd $(RELEASE_DIR)/Lunaresca && ./lunaresca

test:
	@bash scripts/setup.sh --test
	@bash scripts/check-format.sh
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DLUNARESCA_SANITIZE=ON -DLUNARESCA_TESTS=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@command -v libreoffice >/dev/null || echo "tst_office saltato: LibreOffice non installato (make test-office lo installa e lo esegue)."

# The exports read back by LibreOffice Calc, which this target installs (make test skips it).
test-office:
	@bash scripts/setup.sh --test --office
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DLUNARESCA_SANITIZE=ON -DLUNARESCA_TESTS=ON
	cmake --build $(TEST_DIR) -j $(JOBS) --target tst_office
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest -R '^tst_office$$' --output-on-failure

bench:
	@bash scripts/setup.sh --bench
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DLUNARESCA_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS)
	cd $(BENCH_DIR) && for b in bench/bench_*; do if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || exit 1; fi; done

# Runs every benchmark once and fails when a ratio grew by more than half over bench/baseline.tsv.
bench-check:
	@bash scripts/setup.sh --bench
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DLUNARESCA_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS)
	bash bench/check.sh $(BENCH_DIR) bench/baseline.tsv

# Every fuzz target for FUZZ_SECONDS seconds from the seeds in tests/fuzz/seeds; what the fuzzer
# finds is kept in build/fuzz/corpus, a crashing input in build/fuzz/crash-*.
fuzz:
	@bash scripts/setup.sh --fuzz
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DLUNARESCA_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_all
	@for t in $(FUZZ_DIR)/fuzz/fuzz_*; do \
	  n=$$(basename $$t); n=$${n#fuzz_}; mkdir -p $(FUZZ_DIR)/corpus/$$n; \
	  echo "== $$n ($(FUZZ_SECONDS) s)"; \
	  ASAN_OPTIONS=detect_leaks=0 $$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/crash-$$n- \
	    $(FUZZ_DIR)/corpus/$$n tests/fuzz/seeds/$$n > $(FUZZ_DIR)/$$n.log 2>&1; rc=$$?; \
	  grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|==[0-9]+==|SUMMARY)' $(FUZZ_DIR)/$$n.log; \
	  [ $$rc -eq 0 ] || { echo "fuzz_$$n failed: see $(FUZZ_DIR)/$$n.log and $(FUZZ_DIR)/crash-$$n-*"; exit 1; }; \
	done

# Processes racing on one program folder, and writers killed mid-write (the long run; the test
# suite runs a few seconds of each).
STRESS_PROCS ?= 8
stress:
	@bash scripts/setup.sh --test
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DLUNARESCA_SANITIZE=ON -DLUNARESCA_TESTS=ON
	cmake --build $(TEST_DIR) -j $(JOBS) --target lunaresca_stress
	ASAN_OPTIONS=detect_leaks=0 $(TEST_DIR)/tests/stress/lunaresca_stress race --appenders $(STRESS_PROCS) \
	  --overwriters 4 --scanners 2 --appends 1000
	ASAN_OPTIONS=detect_leaks=0 $(TEST_DIR)/tests/stress/lunaresca_stress kill --rounds 400 --min-interrupted 200

# The portable program folder in $(PREFIX)/Lunaresca, with a menu entry and icon under $(PREFIX)/share.
PREFIX ?= $(HOME)/.local
install: build
	cmake --install $(RELEASE_DIR) --prefix "$(PREFIX)"

# A tarball of the program folder alone, to unpack anywhere (the menu entry is made by `make install`).
DIST_DIR := build/dist
dist: build
	rm -rf $(DIST_DIR)
	cmake --install $(RELEASE_DIR) --prefix "$(CURDIR)/$(DIST_DIR)"
	rm -f $(DIST_DIR)/Lunaresca/lunaresca.desktop
	tar -C $(DIST_DIR) -czf build/lunaresca-$$(sed -n 's/^project(Lunaresca VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)-linux.tar.gz Lunaresca
	@ls -l build/lunaresca-*-linux.tar.gz

# Applies the house formatting (.clang-format) to every source file.
format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
