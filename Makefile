# make run        install missing packages, build, start the program
# make test       install missing packages, build, run every test
# make test-asan  the same under AddressSanitizer + UndefinedBehaviorSanitizer
# make test-tsan  the synthesizer's, MIDI output's and playback's tests under ThreadSanitizer
# make bench      build and run the benchmarks
# make fuzz       build the chart file fuzz target with clang and run it (FUZZ_SECONDS)
# make install    build, then install under PREFIX (/usr/local), honouring DESTDIR
BUILD      ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 25
PREFIX     ?= /usr/local

.PHONY: deps configure build program run test test-asan test-tsan bench fuzz install clean

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

# The tests whose threads meet: the synthesizer's worker, its sound output,
# the MIDI output taking its news, and the playback's. FluidSynth's OpenMP
# runtime is kept to one thread, whose spinning TSan cannot follow
# (scripts/tsan.supp says what else is outside).
TSAN_TESTS = ^(SynthRenderTest|Soundfonts/SynthStopTest|PlaybackTest|MidiOutTest)\.
test-tsan: deps
	@cmake -S . -B $(TSAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQF_TSAN=ON >/dev/null
	@cmake --build $(TSAN_BUILD) -j $(JOBS) --target test_midi
	@cd $(TSAN_BUILD) && OMP_NUM_THREADS=1 \
	    TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$(CURDIR)/scripts/tsan.supp \
	    ctest --output-on-failure -j $(JOBS) -R '$(TSAN_TESTS)'

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
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) build-fuzz
