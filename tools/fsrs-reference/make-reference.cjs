// Writes the reference table of review sequences that tests/schedule/TestFsrs checks the
// scheduler against: for every review of every sequence, the memory state and the interval
// that the published TypeScript scheduler (npm package ts-fsrs, default parameters) gives.
//
// Not part of the build. To make the table again:
//   mkdir /tmp/fsrs && (cd /tmp/fsrs && npm install ts-fsrs)
//   NODE_PATH=/tmp/fsrs/node_modules node tools/fsrs-reference/make-reference.cjs \
//       > tests/data/schedule/reference-reviews.csv
'use strict';

const { fsrs, createEmptyCard, Rating, FSRSVersion } = require('ts-fsrs');

const scheduler = fsrs(); // default parameters: FSRS-6 weights, 90 % retention, no fuzz
const DayMs = 24 * 60 * 60 * 1000;
const MinuteMs = 60 * 1000;
// Reviews happen at noon UTC, so that whole days between reviews are whole calendar days.
const Start = Date.UTC(2024, 0, 1, 12, 0, 0);

// Hand-made sequences: [days since the previous review, rating] per review. The first review
// of a sequence is on its first day; 0 days means the same day, ten minutes later.
const A = Rating.Again, H = Rating.Hard, G = Rating.Good;
const handMade = [
  [[0, G], [0, G], [3, G], [8, G], [20, G], [50, G], [120, G]],
  [[0, A], [0, A], [0, G], [0, G], [1, G], [4, G]],
  [[0, H], [0, H], [0, G], [0, G], [2, H], [5, G], [9, H]],
  [[0, G], [0, G], [2, A], [0, G], [1, G], [3, G], [7, A], [0, H], [0, G]],
  [[0, G], [0, G], [30, G], [200, G], [400, A], [0, G], [2, G]],
  [[0, A], [1, A], [1, A], [1, G], [1, G], [1, G], [1, G], [1, G]],
  [[0, G], [0, G], [1, G], [1, G], [1, G], [1, G], [1, G], [1, G], [1, G], [1, G]],
  [[0, G], [0, G], [0, G], [0, G], [0, A], [0, G], [0, G]],
  [[0, G], [0, G], [3, H], [3, H], [3, H], [3, H], [3, H]],
  [[0, G], [0, G], [900, G], [3000, G], [10000, G]],
  [[0, H], [0, A], [0, H], [0, G], [0, A], [0, G], [6, G]],
];

// Pseudo-random sequences of a learner who mostly comes back when an entry is due, sometimes
// early, sometimes late, and answers right most of the time.
let seed = 20240101;
function random() {
  seed = (seed * 1103515245 + 12345) % 2147483648;
  return seed / 2147483648;
}
function pick(weighted) {
  let r = random() * weighted.reduce((sum, [, weight]) => sum + weight, 0);
  for (const [value, weight] of weighted) {
    if ((r -= weight) < 0) return value;
  }
  return weighted[weighted.length - 1][0];
}

const rows = [];
function review(sequence, card, step, reviewTime, elapsedDays, rating) {
  const { card: next } = scheduler.next(card, new Date(reviewTime), rating);
  const dueMinutes = Math.round((next.due.getTime() - reviewTime) / MinuteMs);
  rows.push([sequence, step, elapsedDays, rating, next.state, next.learning_steps,
             next.stability, next.difficulty, next.scheduled_days, dueMinutes].join(','));
  return { next, dueMinutes };
}

function runSequence(sequence, reviews) {
  let card = createEmptyCard(new Date(Start));
  let day = 0;
  let minutes = 0;
  reviews.forEach(([days, rating], step) => {
    if (days > 0) { day += days; minutes = 0; } else if (step > 0) { minutes += 10; }
    const time = Start + day * DayMs + minutes * MinuteMs;
    card = review(sequence, card, step, time, step === 0 ? 0 : days, rating).next;
  });
}

handMade.forEach((reviews, index) => runSequence(index + 1, reviews));

for (let sequence = handMade.length + 1; sequence <= handMade.length + 40; ++sequence) {
  let card = createEmptyCard(new Date(Start));
  let day = 0;
  let minutes = 0;
  let dueMinutes = 0;
  const length = 6 + Math.floor(random() * 12);
  for (let step = 0; step < length; ++step) {
    let days = 0;
    if (step > 0) {
      const dueDays = Math.floor(dueMinutes / 1440);
      const timing = pick([['due', 5], ['early', 1], ['late', 2], ['same day', 1]]);
      if (timing === 'due') days = dueDays;
      else if (timing === 'early') days = Math.floor(dueDays * random());
      else if (timing === 'late') days = dueDays + 1 + Math.floor(dueDays * 2 * random());
    }
    if (days > 0) { day += days; minutes = 0; } else if (step > 0) { minutes += 10; }
    const rating = pick([[G, 7], [A, 2], [H, 1]]);
    const time = Start + day * DayMs + minutes * MinuteMs;
    ({ next: card, dueMinutes } = review(sequence, card, step, time, days, rating));
  }
}

console.log(`# ${FSRSVersion}; default parameters. Ratings: 1 Again, 2 Hard, 3 Good. States: ` +
            '0 New, 1 Learning, 2 Review, 3 Relearning.');
console.log('sequence,review,elapsed_days,rating,state,step,stability,difficulty,' +
            'interval_days,due_minutes');
for (const row of rows) console.log(row);
