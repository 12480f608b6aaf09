// The student page: every text from the test or the server is put in with
// textContent, never as markup.
"use strict";

const $ = (id) => document.getElementById(id);
const store = window.sessionStorage;
let state = null;
let deadline = 0;      // performance.now() at which the time runs out; 0: no limit
let tick = 0;
let busy = false;
let pictureUrl = null;
let shownPosition = -1;  // the question whose answers are on the screen

function show(id) {
  for (const section of ["join", "begin", "question", "finished"]) $(section).hidden = section !== id;
}

function say(message) { $("status").textContent = message || ""; }

function element(tag, text, className) {
  const node = document.createElement(tag);
  if (text !== undefined) node.textContent = text;
  if (className) node.className = className;
  return node;
}

function lines(container, textLines) {
  container.replaceChildren(...(textLines || []).map((line) => element("p", line)));
}

function duration(seconds) {
  const two = (n) => String(n).padStart(2, "0");
  return `${two(Math.floor(seconds / 3600))}:${two(Math.floor(seconds / 60) % 60)}:${two(seconds % 60)}`;
}

// Requests go out one at a time, in the order the student acted: an answer
// typed just before Enter reaches the server before the move on.
let queue = Promise.resolve();

function request(method, path, fields) {
  const reply = queue.then(() => send(method, path, fields));
  queue = reply.catch(() => {});
  return reply;
}

async function send(method, path, fields) {
  const options = { method, headers: {} };
  const token = store.getItem("token");
  if (token) options.headers.Authorization = "Bearer " + token;
  if (fields) {
    options.headers["Content-Type"] = "application/x-www-form-urlencoded";
    options.body = new URLSearchParams(fields).toString();
  }
  let response;
  try {
    response = await fetch(path, options);
  } catch (error) {
    return { error: "The teacher's computer cannot be reached. Your answers so far are saved; try again." };
  }
  const body = await response.json().catch(() => ({}));
  if (response.status === 401 && path !== "/api/join") return rejoin();
  if (!response.ok) return { error: body.error || `The request failed (${response.status}).` };
  return body;
}

// A lost session (a restarted server) is taken up again by name and room.
async function rejoin() {
  const room = store.getItem("room"), name = store.getItem("name");
  store.removeItem("token");
  if (!room || !name) { show("join"); return { error: "Please join the room." }; }
  const reply = await send("POST", "/api/join", { room, name });
  if (reply.token) store.setItem("token", reply.token);
  return reply.error ? reply : { ...reply, rejoined: true };
}

async function act(method, path, fields) {
  if (busy) return;
  busy = true;
  try {
    const reply = await request(method, path, fields);
    if (reply.error) { say(reply.error); if (reply.error && state === null) show("join"); return; }
    say("");
    render(reply);
  } finally {
    busy = false;
  }
}

function render(next) {
  state = next;
  $("title").textContent = state.description || "Classroom test";
  document.title = state.description || "Classroom test";
  if (state.phase === "begin") return renderBegin();
  if (state.phase === "question") return renderQuestion();
  return renderFinished();
}

function renderBegin() {
  show("begin");
  stopTimer();
  lines($("begin-message"), state.begin);
  $("count-line").hidden = !state.settings.studentMax;
  $("count-max").textContent = String(state.settings.maxAsked);
  $("count").max = state.settings.maxAsked;
  $("start-form").querySelector("button").focus();
}

function renderQuestion() {
  const q = state.question;
  const several = q.several;
  show("question");
  $("progress").textContent = `Question ${state.position + 1} of ${state.count}`;
  $("question-text").textContent = q.text;
  $("choice-line").textContent = q.choiceLine;
  $("choice-line").hidden = !q.choiceLine;
  const answers = $("answers");
  // The answer in focus keeps it when the answers are drawn again.
  const focused = answers.contains(document.activeElement) && state.position === shownPosition
    ? document.activeElement.value : null;
  shownPosition = state.position;
  answers.replaceChildren();
  for (const answer of q.answers) {
    const label = element("label", undefined, "answer" + (q.checked ? " locked" : ""));
    const input = element("input");
    input.type = several ? "checkbox" : "radio";
    input.name = "answer";
    input.value = answer.letter;
    input.checked = q.chosen.includes(answer.letter);
    input.disabled = q.checked;
    input.addEventListener("change", () => sendAnswer(input));
    label.append(input, element("span", answer.letter + ".", "letter"), element("span", answer.text));
    answers.append(label);
    if (answer.letter === focused) input.focus();
  }
  showPicture(q.picture ? state.position : -1);
  $("media-name").hidden = !q.mediaName;
  $("media-name").textContent = q.mediaName ? "Media file: " + q.mediaName : "";
  const link = $("hot-link");
  link.replaceChildren();
  const web = Boolean(q.hotLink) && /^https?:\/\//i.test(q.hotLink);
  link.hidden = !web;
  if (web) {
    const a = element("a", q.hotLink);
    a.href = q.hotLink;
    a.target = "_blank";
    a.rel = "noopener noreferrer";
    link.append("Read more: ", a);
  }
  const result = $("check-result");
  result.hidden = !q.checked;
  result.replaceChildren();
  if (q.checked) {
    result.className = q.right ? "right" : "wrong";
    result.append(element("p", q.right ? "Right!" : "Wrong."));
    if (q.reference) result.append(element("p", q.reference, "text"));
  }
  $("check").hidden = !state.settings.checking;
  $("check").disabled = q.checked || !q.chosen;
  $("previous").disabled = state.position === 0;
  $("next").disabled = state.position + 1 >= state.count;
  startTimer(state.remainingSeconds, state.settings.limitSeconds);
  if (!answers.contains(document.activeElement)) $("question-text").closest("fieldset").querySelector("input")?.focus();
}

async function showPicture(position) {
  const img = $("picture");
  if (pictureUrl) { URL.revokeObjectURL(pictureUrl); pictureUrl = null; }
  img.hidden = true;
  img.removeAttribute("src");
  if (position < 0) return;
  const response = await fetch("/api/media?position=" + position,
    { headers: { Authorization: "Bearer " + store.getItem("token") } }).catch(() => null);
  if (!response || !response.ok || state.phase !== "question" || state.position !== position) return;
  pictureUrl = URL.createObjectURL(await response.blob());
  img.src = pictureUrl;
  img.alt = "Picture for question " + (position + 1);
  img.hidden = false;
}

function chosenLetters() {
  return [...$("answers").querySelectorAll("input")].filter((i) => i.checked).map((i) => i.value).join("");
}

async function sendAnswer() {
  const letters = chosenLetters();
  const reply = await request("POST", "/api/answer", { position: state.position, letters });
  if (reply.error) { say(reply.error); return renderQuestion(); }
  say("");
  render(reply);
}

function renderFinished() {
  show("finished");
  stopTimer();
  const r = state.result;
  $("score").textContent = `You answered ${r.right} of ${r.asked} questions right: ${r.percent}%.`;
  const verdict = [];
  if (r.timedOut) verdict.push("The time ran out.");
  if (r.hasPassPoint) verdict.push(r.passed ? "You passed." : "You did not pass.");
  verdict.push(`Time taken: ${duration(r.seconds)}.`);
  $("verdict").textContent = verdict.join(" ");
  lines($("end-message"), state.end);
  const review = $("review");
  review.replaceChildren();
  if (state.review.length) review.append(element("h3", "Review"));
  for (const item of state.review) {
    const box = element("div", undefined, "review-item");
    box.append(element("p", `Question ${item.position + 1}`, "letter"), element("p", item.text, "text"));
    const list = element("ul");
    for (const answer of item.answers) {
      const marks = [];
      if (item.correct.includes(answer.letter)) marks.push("correct");
      if (item.chosen.includes(answer.letter)) marks.push("your answer");
      const li = element("li", `${answer.letter}. ${answer.text}` + (marks.length ? ` (${marks.join(", ")})` : ""));
      if (item.chosen.includes(answer.letter)) li.className = "chosen";
      list.append(li);
    }
    box.append(list);
    if (!item.chosen) box.append(element("p", "Not answered."));
    if (item.reference) box.append(element("p", item.reference, "text"));
    review.append(box);
  }
  $("score").focus();
}

function startTimer(remaining, limit) {
  stopTimer();
  if (!limit) { $("timer").hidden = true; return; }
  deadline = performance.now() + remaining * 1000;
  const update = () => {
    const left = Math.max(0, Math.ceil((deadline - performance.now()) / 1000));
    $("timer").hidden = false;
    $("timer").textContent = "Time left " + duration(left);
    $("timer").classList.toggle("low", left <= 60);
    if (left === 0) { stopTimer(); act("GET", "/api/state"); }
  };
  update();
  tick = window.setInterval(update, 1000);
}

function stopTimer() {
  if (tick) window.clearInterval(tick);
  tick = 0;
}

function go(position) { act("POST", "/api/go", { position }); }

function finish() {
  if (!state || state.phase !== "question") return;
  // The answer on the screen counts even while it is still on its way.
  const blank = state.answered.filter((a, i) => a !== "1" && !(i === state.position && chosenLetters())).length;
  if (blank > 0 && !window.confirm(`${blank} question(s) have no answer and will count as wrong.\nFinish the test now?`)) return;
  act("POST", "/api/finish", {});
}

function setUp() {
  $("join-form").addEventListener("submit", async (event) => {
    event.preventDefault();
    const room = $("room").value.trim(), name = $("name").value.trim();
    if (!room || !name) { say("Please type the room code and your name."); return; }
    store.removeItem("token");
    const reply = await request("POST", "/api/join", { room, name });
    if (reply.error) { say(reply.error); return; }
    store.setItem("room", room);
    store.setItem("name", name);
    store.setItem("token", reply.token);
    say("");
    render(reply);
  });
  $("start-form").addEventListener("submit", (event) => {
    event.preventDefault();
    const count = state.settings.studentMax ? $("count").value.trim() : "";
    act("POST", "/api/start", count ? { count } : {});
  });
  $("answer-form").addEventListener("submit", (event) => {
    event.preventDefault();
    if (state.position + 1 < state.count) go(state.position + 1); else finish();
  });
  $("previous").addEventListener("click", () => go(state.position - 1));
  $("check").addEventListener("click", () => act("POST", "/api/check", { position: state.position }));
  $("finish").addEventListener("click", finish);
  document.addEventListener("keydown", (event) => {
    if (!state || state.phase !== "question" || event.ctrlKey || event.metaKey || event.altKey) return;
    if (event.target instanceof HTMLInputElement && event.target.type !== "radio" && event.target.type !== "checkbox") return;
    const key = event.key.toUpperCase();
    if (key.length === 1 && key >= "A" && key <= "F") {
      const input = [...$("answers").querySelectorAll("input")].find((i) => i.value === key);
      if (!input || input.disabled) return;
      event.preventDefault();
      input.checked = input.type === "checkbox" ? !input.checked : true;
      input.focus();
      sendAnswer();
    } else if (event.key === "Enter" && !(event.target instanceof HTMLButtonElement)) {
      event.preventDefault();
      $("answer-form").requestSubmit();
    }
  });
  document.addEventListener("visibilitychange", () => {
    if (document.visibilityState === "visible" && store.getItem("token")) act("GET", "/api/state");
  });
  $("room").value = store.getItem("room") || new URLSearchParams(location.search).get("room") || "";
  $("name").value = store.getItem("name") || "";
  if (store.getItem("token")) act("GET", "/api/state"); else { show("join"); $("room").value ? $("name").focus() : $("room").focus(); }
}

setUp();
