# The two commands a newcomer needs: `make test` and `make run`.
.PHONY: all setup build test run clean

all: build

setup:
	@scripts/setup

build: setup
	@scripts/build

test: build
	@scripts/test

run: build
	@scripts/run

clean:
	rm -rf build
