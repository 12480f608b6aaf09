# Two commands set everything up on a fresh Debian machine:
#   make run    install what is missing, build, start the maker on the sample tests
#   make test   install what is missing, build, run every test headless

BUILD    ?= build
JOBS     ?= $(shell nproc)
PACKAGES := cmake make g++ libgtest-dev libbenchmark-dev qt6-base-dev libgl-dev \
            libsimpleini-dev fonts-dejavu-core
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo $(if $(CI),-DQUIZWELL_WERROR=ON)

.PHONY: deps build test run bench test-sanitize fuzz

# Installs only the packages that are missing; with everything present it
# does nothing, so a second run starts at once.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  sudo=""; [ "$$(id -u)" -eq 0 ] || sudo=sudo; \
	  $$sudo apt-get update -qq && \
	  $$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Builds the maker with what it needs beside it (the sample tests, the help's
# web pages) and starts it; it lists the tests of its own folder, build/bin.
run: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target qwtestm
	$(BUILD)/bin/qwtestm

bench: deps
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DQUIZWELL_BENCH=ON
	cmake --build $(BUILD)-bench -j $(JOBS)
	$(BUILD)-bench/bench/quizwell_bench

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(BUILD)-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUIZWELL_SANITIZE=ON $(if $(CI),-DQUIZWELL_WERROR=ON)
	cmake --build $(BUILD)-sanitize -j $(JOBS)
	cd $(BUILD)-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)
