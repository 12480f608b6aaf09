// The student page: every text from the test or the server is put in with
// textContent, never as markup.
"use strict";

const $ = (id) => document.getElementById(id);
// The session token is the tab's; the room, the name and the device's secret
// are the browser's, so a reload, a second tab and a restarted server all
// continue the same attempt on this device.
const store = window.sessionStorage;
const kept = window.localStorage;
let state = null;
let deadline = 0;      // performance.now() at which the time runs out; 0: no limit
let tick = 0;
let busy = false;
let pictureUrl = null;
let shownPosition = -1;  // the question whose answers are on the screen

function show(id) {
  for (const section of ["join", "waiting", "begin", "question", "finished"]) $(section).hidden = section !== id;
}

// This device's secret, drawn once: it alone continues its attempts.
function deviceSecret() {
  let secret = kept.getItem("device");
  if (!secret) {
    const bytes = crypto.getRandomValues(new Uint8Array(32));
    secret = [...bytes].map((b) => b.toString(16).padStart(2, "0")).join("");
    kept.setItem("device", secret);
  }
  return secret;
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

async function send(method, path, fields, again = true) {
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
    return { error: t("The teacher's computer cannot be reached. Your answers so far are saved; try again.") };
  }
  const body = await response.json().catch(() => ({}));
  if (response.status === 401 && path !== "/api/join") {
    // A restarted server: join again, then send what the student did.
    const joined = await rejoin();
    if (joined.error || joined.phase === "waiting" || !again) return joined;
    return send(method, path, fields, false);
  }
  // The server's sentences are English; the page shows them in its language.
  if (!response.ok) return { error: body.error ? t(body.error) : t("The request failed ({0}).", response.status) };
  return body;
}

// Joins with what this browser keeps; the reply's token is the tab's.
async function join(room, name, code) {
  const fields = { room, name, device: deviceSecret() };
  if (code) fields.code = code;
  const reply = await send("POST", "/api/join", fields);
  if (reply.error) return reply;
  kept.setItem("room", room);
  kept.setItem("name", name);
  if (reply.device) kept.setItem("device", reply.device);
  if (reply.token) store.setItem("token", reply.token); else store.removeItem("token");
  return reply;
}

// A lost session (a restarted server) is taken up again by name and room.
async function rejoin() {
  const room = kept.getItem("room"), name = kept.getItem("name");
  store.removeItem("token");
  if (!room || !name) { show("join"); return { error: t("Please join the room.") }; }
  return join(room, name);
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

let waitTimer = 0;

function render(next) {
  if (waitTimer) { window.clearTimeout(waitTimer); waitTimer = 0; }
  if (next.phase === "waiting") return renderWaiting(next);
  state = next;
  speak(state.language);
  $("title").textContent = state.description || t("Classroom test");
  document.title = state.description || t("Classroom test");
  if (state.phase === "begin") return renderBegin();
  if (state.phase === "question") return renderQuestion();
  return renderFinished();
}

// Another device has this name's attempt: ask again every few seconds
// until the teacher allows this one, or the student types the code their
// first device shows.
function renderWaiting(reply) {
  state = null;
  stopTimer();
  show("waiting");
  $("waiting-name").textContent = reply.name;
  waitTimer = window.setTimeout(() => {
    waitTimer = 0;
    if (!$("waiting").hidden) act("GET", "/api/state");
  }, 4000);
}

function showResumeCode() {
  $("resume-code").textContent = state.resumeCode || "";
  $("resume-line").hidden = !state.resumeCode || state.phase === "finished";
}

function renderBegin() {
  show("begin");
  stopTimer();
  lines($("begin-message"), state.begin);
  showResumeCode();
  $("count-line").hidden = !state.settings.studentMax;
  $("count-max").textContent = String(state.settings.maxAsked);
  $("count").max = state.settings.maxAsked;
  $("start-form").querySelector("button").focus();
}

function renderQuestion() {
  const q = state.question;
  const several = q.several;
  show("question");
  $("progress").textContent = t("Question {0} of {1}", state.position + 1, state.count);
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
  $("media-name").textContent = q.mediaName ? t("Media file: {0}", q.mediaName) : "";
  const link = $("hot-link");
  link.replaceChildren();
  const web = Boolean(q.hotLink) && /^https?:\/\//i.test(q.hotLink);
  link.hidden = !web;
  if (web) {
    const a = element("a", q.hotLink);
    a.href = q.hotLink;
    a.target = "_blank";
    a.rel = "noopener noreferrer";
    fill(link, "Read more: {0}", a);
  }
  const result = $("check-result");
  result.hidden = !q.checked;
  result.replaceChildren();
  if (q.checked) {
    result.className = q.right ? "right" : "wrong";
    result.append(element("p", q.right ? t("Right!") : t("Wrong.")));
    if (q.reference) result.append(element("p", q.reference, "text"));
  }
  $("check").hidden = !state.settings.checking;
  $("check").disabled = q.checked || !q.chosen;
  $("previous").disabled = state.position === 0;
  $("next").disabled = state.position + 1 >= state.count;
  startTimer(state.remainingSeconds, state.settings.limitSeconds);
  showResumeCode();
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
  img.alt = t("Picture for question {0}", position + 1);
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
  $("score").textContent = t("You answered {0} of {1} questions right: {2}%.", r.right, r.asked, r.percent);
  const verdict = [];
  if (r.timedOut) verdict.push(t("The time ran out."));
  if (r.hasPassPoint) verdict.push(r.passed ? t("You passed.") : t("You did not pass."));
  verdict.push(t("Time taken: {0}.", duration(r.seconds)));
  $("verdict").textContent = verdict.join(" ");
  lines($("end-message"), state.end);
  showResumeCode();
  const review = $("review");
  review.replaceChildren();
  // The keys wait until the teacher ends the test for everyone.
  $("review-held").hidden = !state.reviewHeld;
  if (state.reviewHeld) waitTimer = window.setTimeout(() => { waitTimer = 0; act("GET", "/api/state"); }, 10000);
  if (state.review.length) review.append(element("h3", t("Review")));
  for (const item of state.review) {
    const box = element("div", undefined, "review-item");
    box.append(element("p", t("Question {0}", item.position + 1), "letter"), element("p", item.text, "text"));
    const list = element("ul");
    for (const answer of item.answers) {
      const marks = [];
      if (item.correct.includes(answer.letter)) marks.push(t("correct"));
      if (item.chosen.includes(answer.letter)) marks.push(t("your answer"));
      const li = element("li", `${answer.letter}. ${answer.text}` + (marks.length ? ` (${marks.join(", ")})` : ""));
      if (item.chosen.includes(answer.letter)) li.className = "chosen";
      list.append(li);
    }
    box.append(list);
    if (!item.chosen) box.append(element("p", t("Not answered.")));
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
    $("timer").textContent = t("Time left {0}", duration(left));
    $("timer").classList.toggle("low", left <= 60);
    // Told to screen readers at these moments only, never every second.
    if (left === 300 || left === 60) $("time-note").textContent = left === 300 ? t("5 minutes left.") : t("1 minute left.");
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
  const notes = [];
  if (blank > 0) notes.push(t("{0} question(s) have no answer and will count as wrong.", blank));
  else if (state.position + 1 < state.count) notes.push(t("This is question {0} of {1}.", state.position + 1, state.count));
  if (notes.length && !window.confirm(`${notes.join("\n")}\n${t("Finish the test now?")}`)) return;
  act("POST", "/api/finish", {});
}

// The page's own texts, as index.html holds them in English, kept before the
// first translation replaces them.
const sources = new Map();

// Shows the page in the language chosen for testLanguage, and marks the
// test's own texts with the test's language and direction.
function speak(testLanguage) {
  const language = chooseLanguage(testLanguage);
  document.documentElement.lang = language;
  document.documentElement.dir = directionOf(language);
  for (const node of document.querySelectorAll("[data-t]")) {
    if (!sources.has(node)) sources.set(node, node.dataset.t || node.textContent.trim());
    const english = sources.get(node);
    if (english.includes("{")) fill(node, english, ...node.children); else node.textContent = t(english);
  }
  for (const id of ["question-text", "answers", "begin-message", "end-message", "review", "check-result"]) {
    const node = $(id);
    if (testLanguage) { node.lang = testLanguage; node.dir = directionOf(testLanguage); } else {
      node.removeAttribute("lang"); node.dir = "auto";
    }
  }
}

function setUp() {
  speak("");
  $("join-form").addEventListener("submit", async (event) => {
    event.preventDefault();
    const room = $("room").value.trim(), name = $("name").value.trim();
    if (!room || !name) { say(t("Please type the room code and your name.")); return; }
    store.removeItem("token");
    const reply = await join(room, name);
    if (reply.error) { say(reply.error); return; }
    say("");
    render(reply);
  });
  $("code-form").addEventListener("submit", async (event) => {
    event.preventDefault();
    const code = $("code").value.trim();
    if (!code) { say(t("Please type the resume code your first device shows.")); return; }
    const reply = await join(kept.getItem("room"), kept.getItem("name"), code);
    if (reply.error) { say(reply.error); return; }
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
  // The teacher hears when the page was hidden or lost the focus during the
  // test, and for how long; nothing is blocked.
  let awaySince = 0;
  const leave = () => {
    if (!awaySince && state && state.phase === "question") awaySince = performance.now();
  };
  const back = () => {
    if (!awaySince || document.visibilityState !== "visible" || !document.hasFocus()) return;
    const seconds = Math.round((performance.now() - awaySince) / 1000);
    awaySince = 0;
    request("POST", "/api/away", { seconds: String(Math.min(seconds, 86400)) });
  };
  window.addEventListener("blur", leave);
  window.addEventListener("focus", back);
  document.addEventListener("visibilitychange", () => {
    if (document.visibilityState === "hidden") return leave();
    back();
    if (store.getItem("token")) act("GET", "/api/state");
  });
  $("room").value = new URLSearchParams(location.search).get("room") || kept.getItem("room") || "";
  $("name").value = kept.getItem("name") || "";
  // A second tab or a reload continues on this device without a word.
  if (store.getItem("token") || (kept.getItem("room") && kept.getItem("name"))) act("GET", "/api/state");
  else { show("join"); $("room").value ? $("name").focus() : $("room").focus(); }
}

setUp();
