# Two commands set everything up on a fresh Debian machine:
#   make run    install what is missing, build, start the maker on the sample tests
#   make test   install what is missing, build, run every test headless

BUILD    ?= build
JOBS     ?= $(shell nproc)
PACKAGES := cmake make g++ ccache libgtest-dev libbenchmark-dev qt6-base-dev libgl-dev \
            libsimpleini-dev libicu-dev fonts-dejavu-core fonts-noto-core fonts-noto-cjk \
            libpugixml-dev libzip-dev pkgconf poppler-utils libxml2-utils \
            libsqlite3-dev sqlite3 libhunspell-dev hunspell-en-us python3 libcpp-httplib-dev \
            libqrencode-dev libzxing-dev chromium libopencv-dev libpoppler-cpp-dev \
            postgresql libpq-dev libicu-dev libboost-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
            nlohmann-json3-dev
# Commands some machines bring from other packaging (npm comes with their
# Node.js); the Debian package of the same name is installed only when the
# command is missing, as it would conflict with that Node.js.
COMMANDS := npm
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo $(if $(CI),-DQUIZWELL_WERROR=ON)

.PHONY: deps build test run bench test-sanitize fuzz package package-check format-check

# Installs only the packages that are missing; with everything present it
# does nothing, so a second run starts at once.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	for c in $(COMMANDS); do command -v $$c >/dev/null 2>&1 || missing="$$missing $$c"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  sudo=""; [ "$$(id -u)" -eq 0 ] || sudo=sudo; \
	  $$sudo apt-get update -qq && \
	  $$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# The results store's tests run on SQLite and on a PostgreSQL server that
# with-postgres.sh starts for the run in a temporary folder and removes after.
WITH_POSTGRES := $(CURDIR)/tests/postgres/with-postgres.sh

test: build
	cd $(BUILD) && $(WITH_POSTGRES) ctest --output-on-failure -j $(JOBS)

# Builds the maker with what it needs beside it (the sample tests, the help's
# web pages) and starts it; it lists the tests of its own folder, build/bin.
run: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target qwtestm qwtest
	$(BUILD)/bin/qwtestm

bench: deps
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DQUIZWELL_BENCH=ON
	cmake --build $(BUILD)-bench -j $(JOBS)
	$(BUILD)-bench/bench/quizwell_bench
	$(BUILD)-bench/bench/quizwell_startup_probe 11 $(BUILD)-bench/bin/qwtestm
	$(BUILD)-bench/bench/quizwell_startup_probe 11 $(BUILD)-bench/bin/qwtest
	$(BUILD)-bench/bench/quizwell_startup_probe 11 $(BUILD)-bench/bin/qwtool list
	QT_QPA_PLATFORM=offscreen $(BUILD)-bench/bench/quizwell_screen_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)-bench/bench/quizwell_print_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)-bench/bench/quizwell_engine_bench
	$(BUILD)-bench/bench/quizwell_exchange_bench
	$(BUILD)-bench/bench/quizwell_results_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)-bench/bench/quizwell_results_screen_bench
	$(BUILD)-bench/bench/quizwell_classroom_load
	$(BUILD)-bench/bench/quizwell_duplicates_bench
	$(BUILD)-bench/bench/quizwell_scan_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)-bench/bench/quizwell_scan_printed_bench

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer. One
# test is left to the plain run: it uses up every file descriptor, and the
# sanitizer's own type check needs one (it then reports a false "invalid vptr").
SANITIZE_EXCLUDE := IniStoreSaveTest.NoTemporaryFileToBeHadLeavesTheOldFile

test-sanitize: deps
	cmake -S . -B $(BUILD)-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUIZWELL_SANITIZE=ON $(if $(CI),-DQUIZWELL_WERROR=ON)
	cmake --build $(BUILD)-sanitize -j $(JOBS)
	cd $(BUILD)-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  $(WITH_POSTGRES) ctest --output-on-failure -j $(JOBS) -E '^($(SANITIZE_EXCLUDE))$$'

# Every fuzz target for FUZZ_SECONDS on a copy of its seed corpus in
# fuzz/corpus; an input that breaks a target is saved in $(BUILD)-fuzz/findings.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := inistore cipher conversions description timefield moodlexml qti gift aiken csv attemptfile
FUZZ_PACKAGES := clang libclang-rt-14-dev

fuzz: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(FUZZ_PACKAGES)"
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIZWELL_FUZZ=ON
	cmake --build $(BUILD)-fuzz --target quizwell_fuzz -j $(JOBS)
	@mkdir -p $(BUILD)-fuzz/findings
	@for target in $(FUZZ_TARGETS); do \
	  corpus=$(BUILD)-fuzz/corpus/$$target; \
	  rm -rf $$corpus && mkdir -p $$corpus && cp fuzz/corpus/$$target/* $$corpus/ || exit 1; \
	  echo "fuzz_$$target: $(FUZZ_SECONDS) s"; \
	  $(BUILD)-fuzz/bin/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -timeout=1 -max_len=1048576 \
	    -print_final_stats=1 -artifact_prefix=$(BUILD)-fuzz/findings/$$target- $$corpus \
	    > $(BUILD)-fuzz/$$target.log 2>&1 || { tail -40 $(BUILD)-fuzz/$$target.log; exit 1; }; \
	  grep -E '^stat::number_of_executed_units' $(BUILD)-fuzz/$$target.log; \
	done

# The Debian package, quizwell_VERSION_ARCH.deb in $(BUILD)-package, made by
# CPack from a Release build of what it carries (no tests); dpkg-shlibdeps
# computes its dependencies.
PACKAGE_PACKAGES := dpkg-dev file

package: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGE_PACKAGES)"
	cmake -S . -B $(BUILD)-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
	cmake --build $(BUILD)-package -j $(JOBS) --target quizwell_installed
	cd $(BUILD)-package && cpack -G DEB

# Installs the package into a fresh folder and checks it with the desktop's
# own validators and lintian.
PACKAGE_CHECK_PACKAGES := desktop-file-utils appstream libxml2-utils lintian

package-check: package
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGE_CHECK_PACKAGES)"
	tests/packaging/check-package.sh $(BUILD)-package

# Fails when a C++ file of the repository drifts from .clang-format.
FORMAT_PACKAGES := clang-format

format-check:
	@$(MAKE) --no-print-directory deps PACKAGES="$(FORMAT_PACKAGES)"
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
