# make run        install missing packages, build, start the program
# make test       install missing packages, build, run every test
# make test-asan  the same under AddressSanitizer + UndefinedBehaviorSanitizer
# make bench      build and run the benchmarks
# make fuzz       build the chart file fuzz target with clang and run it (FUZZ_SECONDS)
# make install    build, then install under PREFIX (/usr/local), honouring DESTDIR
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 25
PREFIX     ?= /usr/local

.PHONY: deps configure build program run test test-asan bench fuzz install clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

# Everything: the program, the tests, the benchmarks and the look tools.
build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The program and the libraries it links, nothing else.
program: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quillfret-pro

run: program
	@$(BUILD)/src/app/quillfret-pro

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQF_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j $(JOBS)

# Every benchmark runs; any that failed are named at the end, and fail the run.
bench: build
	@failed=""; \
	for b in $(BUILD)/bench/bench_*; do \
	    [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	    "$$b" || failed="$$failed $${b##*/}"; \
	done; \
	BUILD=$(BUILD) bench/startup.sh || failed="$$failed bench/startup.sh"; \
	BUILD=$(BUILD) bench/synth.sh || failed="$$failed bench/synth.sh"; \
	if [ -n "$$failed" ]; then echo "make bench: failed:$$failed" >&2; exit 1; fi

fuzz: deps
	@scripts/fuzz-charts $(FUZZ_SECONDS)

install: program
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
