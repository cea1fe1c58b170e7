# Trovanta: `make run` builds and starts the program, `make test` runs every test.
BUILD      ?= build
JOBS       ?= 2
BUILD_TYPE ?= RelWithDebInfo

# Debian packages the build and the tests need.
PACKAGES := cmake make g++ qt6-base-dev qt6-qpa-plugins libgtest-dev libbenchmark-dev \
            fonts-liberation poppler-utils

.PHONY: all setup configure build run test bench clean

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

run: build
	./$(BUILD)/trovanta

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -j$(JOBS) --output-on-failure

# Timings on this machine (not a test): one calculation run, the engine
# speed spin sweep, start-up against a bare Qt window.
bench: build
	@cmake --build $(BUILD) -j$(JOBS) --target trovanta_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/trovanta_bench

clean:
	rm -rf $(BUILD)
