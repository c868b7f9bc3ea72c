#pragma once

namespace lexmint::fsrs {

/// How well an entry was remembered at a review. The program rates a wrong answer Again and a
/// right one Good, or Hard when it came slowly; Easy is never given.
enum class Rating { Again = 1, Hard = 2, Good = 3 };

/// Where an entry stands in its learning: not yet reviewed, going through the short steps of
/// first learning, reviewed at intervals of days, or relearning after a lapse.
enum class LearningState { New = 0, Learning = 1, Review = 2, Relearning = 3 };

/// The memory of one entry. Stability is the number of days after which the chance of recall
/// has fallen to 90 %; difficulty runs from 1 (easy) to 10 (hard). Both are 0 while New.
struct MemoryState {
    LearningState state = LearningState::New;
    int step = 0; ///< the learning step reached, while Learning or Relearning
    double stability = 0;
    double difficulty = 0;
};

struct Review {
    MemoryState memory;
    int intervalDays = 0; ///< whole days until the next review; 0 for a learning step
    int dueMinutes = 0;   ///< minutes until the next review, the learning steps included
};

/// The state after a review given `elapsedDays` whole calendar days after the previous one,
/// under the default parameters of the FSRS-6 model: target recall 90 %, learning steps of 1
/// and 10 minutes, relearning step 10 minutes, intervals at most 36,500 days, no random spread.
Review review(const MemoryState& before, int elapsedDays, Rating rating);

/// The predicted chance of recalling an entry of this stability after `elapsedDays`.
double retrievability(double elapsedDays, double stability);

} // namespace lexmint::fsrs
