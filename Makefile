# Two commands do everything on a fresh Debian machine: `make run` and `make test`.
JOBS ?= $(shell nproc)
RELEASE_DIR := build/release
TEST_DIR := build/test
BENCH_DIR := build/bench

.PHONY: run test bench setup build clean format install dist test-office

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
	cd $(BENCH_DIR) && for b in bench/bench_*; do [ -x "$$b" ] && "$$b"; done

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
