#include "schedule/Fsrs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace lexmint::fsrs {

namespace {

// The model's default weights.
constexpr std::array<double, 21> W{0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                   0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                   1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
constexpr double TargetRecall = 0.9;
constexpr double MinStability = 0.001;
constexpr double MaxStability = 36500;
constexpr int MaxIntervalDays = 36500;
constexpr int MinutesPerDay = 1440;
constexpr std::array<int, 2> LearningSteps{1, 10};
constexpr std::array<int, 1> RelearningSteps{10};

// The model rounds its intermediate results to 8 decimals; doing the same keeps long series
// of reviews on exactly the reference values. Halves round up, as there.
double round8(double value)
{
    return std::floor(value * 1e8 + 0.5) / 1e8;
}

int roundHalfUp(double value)
{
    return static_cast<int>(std::floor(value + 0.5));
}

double clamp(double value, double low, double high)
{
    return std::min(std::max(value, low), high);
}

double decay()
{
    return -W[20];
}

// The forgetting curve's factor, chosen so that recall is exactly 90 % after `stability` days.
double factor()
{
    static const double value = round8(std::pow(TargetRecall, 1 / decay()) - 1);
    return value;
}

double intervalModifier()
{
    static const double value = round8((std::pow(TargetRecall, 1 / decay()) - 1) / factor());
    return value;
}

int index(Rating rating)
{
    return static_cast<int>(rating);
}

double initialStability(Rating rating)
{
    return std::max(W[index(rating) - 1], 0.1);
}

double initialDifficulty(int grade)
{
    return round8(W[4] - std::exp((grade - 1) * W[5]) + 1);
}

double nextDifficulty(double difficulty, Rating rating)
{
    constexpr int Easy = 4;
    const double delta = -W[6] * (index(rating) - 3);
    const double damped = difficulty + round8(delta * (10 - difficulty) / 9);
    return clamp(round8(W[7] * initialDifficulty(Easy) + (1 - W[7]) * damped), 1, 10);
}

double recallStability(double difficulty, double stability, double recall, Rating rating)
{
    const double hardPenalty = rating == Rating::Hard ? W[15] : 1;
    return round8(clamp(stability
                            * (1
                               + std::exp(W[8]) * (11 - difficulty) * std::pow(stability, -W[9])
                                   * (std::exp((1 - recall) * W[10]) - 1) * hardPenalty),
                        MinStability, MaxStability));
}

double forgetStability(double difficulty, double stability, double recall)
{
    const double afterLapse =
        round8(clamp(W[11] * std::pow(difficulty, -W[12]) * (std::pow(stability + 1, W[13]) - 1)
                         * std::exp((1 - recall) * W[14]),
                     MinStability, MaxStability));
    const double floor = round8(stability / std::exp(W[17] * W[18]));
    return std::min(std::max(floor, MinStability), afterLapse);
}

// A second review on the same day.
double sameDayStability(double stability, Rating rating)
{
    const double growth =
        std::pow(stability, -W[19]) * std::exp(W[17] * (index(rating) - 3 + W[18]));
    const double kept = rating >= Rating::Hard ? std::max(growth, 1.0) : growth;
    return round8(clamp(stability * kept, MinStability, MaxStability));
}

MemoryState nextMemory(const MemoryState& before, int elapsedDays, Rating rating)
{
    MemoryState after = before;
    if (before.stability == 0 && before.difficulty == 0) {
        after.difficulty = clamp(initialDifficulty(index(rating)), 1, 10);
        after.stability = initialStability(rating);
        return after;
    }
    const double recall = retrievability(elapsedDays, before.stability);
    if (elapsedDays == 0)
        after.stability = sameDayStability(before.stability, rating);
    else if (rating == Rating::Again)
        after.stability = forgetStability(before.difficulty, before.stability, recall);
    else
        after.stability = recallStability(before.difficulty, before.stability, recall, rating);
    after.difficulty = nextDifficulty(before.difficulty, rating);
    return after;
}

int nextInterval(double stability)
{
    return std::min(std::max(1, roundHalfUp(stability * intervalModifier())), MaxIntervalDays);
}

struct Step {
    int minutes;
    int next;
};

// The next learning step for a rating, or nothing when the entry moves on to intervals of days.
std::optional<Step> learningStep(const MemoryState& before, Rating rating)
{
    const bool relearning =
        before.state == LearningState::Relearning || before.state == LearningState::Review;
    const int* steps = relearning ? RelearningSteps.data() : LearningSteps.data();
    const int count = static_cast<int>(relearning ? RelearningSteps.size() : LearningSteps.size());
    const int current = std::max(0, before.step);
    if (current >= count)
        return std::nullopt;
    if (before.state == LearningState::Review)
        return rating == Rating::Again ? std::optional<Step>({steps[current], 0}) : std::nullopt;
    switch (rating) {
    case Rating::Again: return Step{steps[0], 0};
    case Rating::Hard:
        return Step{count == 1 ? roundHalfUp(steps[0] * 1.5)
                               : roundHalfUp((steps[0] + steps[1]) / 2.0),
                    current};
    case Rating::Good:
        if (current + 1 < count)
            return Step{steps[current + 1], current + 1};
        return std::nullopt;
    }
    return std::nullopt;
}

// A learning step when there is one for the rating, else the interval that the stability gives.
Review stepOrInterval(const MemoryState& before, MemoryState after, Rating rating,
                      LearningState learningState)
{
    if (const std::optional<Step> step = learningStep(before, rating)) {
        after.state = learningState;
        after.step = step->next;
        return {after, 0, step->minutes};
    }
    after.state = LearningState::Review;
    after.step = 0;
    const int interval = nextInterval(after.stability);
    return {after, interval, interval * MinutesPerDay};
}

} // namespace

double retrievability(double elapsedDays, double stability)
{
    return round8(std::pow(1 + factor() * elapsedDays / stability, decay()));
}

Review review(const MemoryState& before, int elapsedDays, Rating rating)
{
    switch (before.state) {
    case LearningState::New:
        return stepOrInterval(before, nextMemory(MemoryState(), 0, rating), rating,
                              LearningState::Learning);
    case LearningState::Learning:
    case LearningState::Relearning:
        return stepOrInterval(before, nextMemory(before, elapsedDays, rating), rating,
                              before.state);
    case LearningState::Review: break;
    }
    if (rating == Rating::Again)
        return stepOrInterval(before, nextMemory(before, elapsedDays, rating), rating,
                              LearningState::Relearning);
    // A right answer is never scheduled sooner than a hard one would have been, and a good one
    // at least a day later than a hard one.
    const MemoryState hard = nextMemory(before, elapsedDays, Rating::Hard);
    const MemoryState good = nextMemory(before, elapsedDays, Rating::Good);
    const int goodInterval = nextInterval(good.stability);
    const int hardInterval = std::min(nextInterval(hard.stability), goodInterval);
    MemoryState after = rating == Rating::Hard ? hard : good;
    after.state = LearningState::Review;
    after.step = 0;
    const int interval =
        rating == Rating::Hard ? hardInterval : std::max(goodInterval, hardInterval + 1);
    return {after, interval, interval * MinutesPerDay};
}

} // namespace lexmint::fsrs
