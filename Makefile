# Set-up commands for a fresh Debian 12 machine (run as root, or as a user with sudo):
#   make run    install what is missing, build, start Tarabead
#   make test   install what is missing, build, run every test through CTest
# Packages are checked with dpkg-query first, so a second run is quick and needs no network.

PACKAGES := cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
            qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core xvfb xauth \
            poppler-utils dpkg-dev desktop-file-utils appstream

BUILD      ?= build
SAN_BUILD  ?= build-sanitize
JOBS       ?= $(shell nproc)
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build run test test-sanitize bench package fuzz clean

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/tarabead

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The core and companion tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTARABEAD_SANITIZE=ON -DTARABEAD_CORE_ONLY=ON
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target tarabead_bench tarabead_report_bench
	./$(BUILD)/bench/tarabead_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	./$(BUILD)/bench/tarabead_report_bench

# A Debian package of the program, checked by unpacking it and running the installed companion.
package: build
	cd $(BUILD) && rm -f tarabead_*.deb && cpack -G DEB
	packaging/check-package.sh $$(ls $(BUILD)/tarabead_*.deb)

# The reading-file reader under libFuzzer (needs clang); FUZZ_TIME seconds, 60 by default.
FUZZ_TIME ?= 60
fuzz:
	mkdir -p $(BUILD)
	clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -I. \
	  result/ReadingFile_fuzz.cpp result/modRTB.cpp -o $(BUILD)/reading_fuzz
	$(BUILD)/reading_fuzz -max_total_time=$(FUZZ_TIME)

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
