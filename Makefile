# Trovanta: `make run` builds the program alone and starts it, `make test` builds
# everything and runs every test.
BUILD      ?= build
JOBS       ?= 2
BUILD_TYPE ?= RelWithDebInfo

# Debian packages the build and the tests need.
PACKAGES := cmake make g++ qt6-base-dev qt6-svg-dev qt6-qpa-plugins qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
            libgtest-dev libbenchmark-dev \
            fonts-liberation poppler-utils \
            desktop-file-utils xdg-utils appstream shared-mime-info libfile-mimeinfo-perl libglib2.0-bin

FUZZ_BUILD ?= build-fuzz
FUZZ_RUNS  ?= 200000
# name:longest input; FUZZ_TARGETS="ini:2048" runs one alone
FUZZ_TARGETS ?= profile:8192 ini:2048 gear:512 logger:4096 dyno:4096
SANITIZE_BUILD ?= build-sanitize

# Any sanitizer report fails the test that caused it. Leaks are checked at the
# exit of every test program; the suppressions name third-party code only.
SANITIZER_ENV := \
  ASAN_OPTIONS=detect_leaks=1:strict_init_order=1:check_initialization_order=1:detect_stack_use_after_return=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

.PHONY: all setup configure build run test sanitize bench fuzz clean

all: build

setup:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null; \
	  else \
	    echo "Please install the missing Debian packages first:"; \
	    echo "  sudo apt-get install$$missing"; \
	    exit 1; \
	  fi; \
	fi

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# The program alone: the test programs build with `make test`.
run: configure
	@cmake --build $(BUILD) -j$(JOBS) --target trovanta
	./$(BUILD)/trovanta

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -j$(JOBS) --output-on-failure

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# in a build folder of its own.
sanitize: setup
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DTROVANTA_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest -j$(JOBS) --output-on-failure

# Timings on this machine (not a test): one calculation run, the engine
# speed spin sweep, start-up against a bare Qt window; a one-million-line
# logger export read and fitted, with its peak memory, and how soon a fit of
# 29 million samples stops when asked; the sprocket pairs
# listing; windows opened from very large settings files; the engine model's
# whole evaluation and the circuit over the sprocket pairs.
bench: build
	@cmake --build $(BUILD) -j$(JOBS) --target trovanta_bench trovanta_logger_bench trovanta_sprocket_bench \
	  trovanta_settings_bench trovanta_performance_bench trovanta_performance_window_bench \
	  trovanta_long_text_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/trovanta_bench
	./$(BUILD)/bench/trovanta_logger_bench
	./$(BUILD)/bench/trovanta_sprocket_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/trovanta_settings_bench
	./$(BUILD)/bench/trovanta_performance_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/trovanta_performance_window_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/trovanta_long_text_bench

# libFuzzer targets with AddressSanitizer and UndefinedBehaviorSanitizer, each
# run for a fixed number of inputs from the committed seeds.
fuzz: setup
	@if ! command -v clang++ >/dev/null; then echo "make fuzz needs clang++ with libFuzzer; skipped."; exit 0; fi; \
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DTROVANTA_FUZZ=ON -DTROVANTA_SANITIZE=ON >/dev/null && \
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_profile fuzz_ini fuzz_gear fuzz_logger fuzz_dyno && \
	for t in $(FUZZ_TARGETS); do \
	  name=$${t%%:*}; len=$${t##*:}; mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
	  echo "== fuzz_$$name: $(FUZZ_RUNS) runs"; \
	  $(FUZZ_BUILD)/fuzz/fuzz_$$name -runs=$(FUZZ_RUNS) -max_len=$$len -seed=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus/$$name fuzz/corpus/$$name || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(SANITIZE_BUILD)

# Installs for the rider who runs it, no root needed for the default prefix:
# the program in PREFIX/lib/trovanta/ (its settings files and race log
# exports live beside it), the launcher PREFIX/bin/trovanta, a menu entry and
# an icon. Uninstall takes exactly those away and keeps the rider's files.
PREFIX ?= $(HOME)/.local

.PHONY: install uninstall

install: build
	@PREFIX="$(PREFIX)" DESTDIR="$(DESTDIR)" sh tools/install.sh install $(BUILD)/trovanta

uninstall:
	@PREFIX="$(PREFIX)" DESTDIR="$(DESTDIR)" sh tools/install.sh uninstall
