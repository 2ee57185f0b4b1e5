#pragma once
// The game's one pseudo-random generator. Rnd() draws uniformly from [0, 1)
// and never returns 1.0; Randomize() reseeds it from a high-resolution clock.
// Tests pin it with SetRandomSeedForTests or script it with SetRandomSource.

#include <cstdint>
#include <functional>

float Rnd();
void Randomize();
// Percentages are drawn as Int(Rnd * 100 + 1): 1..100.
int RndPercent();

void SeedRandom(std::uint64_t seed);
// While a source is set, Rnd() returns its values (clamped into [0, 1)) and
// Randomize() does not reseed; an empty function restores the generator.
void SetRandomSource(std::function<float()> source);
// Pins the generator: seeds it and makes Randomize() a no-op until cleared.
void SetRandomSeedForTests(std::uint64_t seed);
void ClearRandomTestSettings();
