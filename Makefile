# The two commands a newcomer needs: `make test` and `make run`; `make check`
# is the quick check of the inner loop.
.PHONY: all setup build test check run clean

all: build

setup:
	@scripts/setup

build: setup
	@scripts/build

test: build
	@scripts/test

check: build
	@scripts/check

run: build
	@scripts/run

clean:
	rm -rf build

# Contact sheet of every picture (1x and 4x, named): docs/pictures.png.
.PHONY: pictures
pictures: build
	@build/native/tools/resgen/resgen --art resources --sheet build/pictures.bmp
	@convert build/pictures.bmp -strip -define png:compression-level=9 PNG8:docs/pictures.png && rm build/pictures.bmp
	@echo "wrote docs/pictures.png"

# The README's screen crops, from the Wine scenarios that take them:
# docs/screenshots/.
.PHONY: screenshots
screenshots: build
	@scripts/screenshots

# Each fuzz target to 1,000,000 executions (not part of `make test`, which
# runs each for a few seconds); BLINKERY_FUZZ_RUNS sets another count.
.PHONY: fuzz
fuzz: build
	@scripts/fuzz

# Times and instruction counts of the poll tick and the displays, and the
# CPU time of a call under Wine against a bare loop, each beside its goal
# (not part of `make test`); installs Google Benchmark and valgrind when
# missing.
.PHONY: bench
bench: build
	@bench/run

# What a Windows user installs: build/dist/Blinkery-VERSION.zip with the
# release exe, its sound, the help file and README.TXT.
.PHONY: dist
dist: build
	@scripts/dist
