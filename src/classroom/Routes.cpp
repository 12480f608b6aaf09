#include "classroom/Routes.h"

#include <cctype>
#include <chrono>
#include <map>

#include "classroom/Classroom.h"
#include "classroom/Form.h"
#include "classroom/PageFiles.h"

const TWebHeader SecurityHeaders[5] = {
    {"Content-Security-Policy",
     "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self' blob:; connect-src 'self'; "
     "form-action 'none'; frame-ancestors 'none'; base-uri 'none'"},
    {"X-Content-Type-Options", "nosniff"},
    {"X-Frame-Options", "DENY"},
    {"Referrer-Policy", "no-referrer"},
    {"Cache-Control", "no-store"},
};

namespace {

constexpr std::string_view JsonType = "application/json; charset=utf-8";

TWebReply JsonReply(const TReply& reply) {
  return {reply.Status, std::string(JsonType), reply.Json};
}

// Whether the Content-Type is a form, in any letter case, with or without
// parameters.
bool IsForm(std::string_view type) {
  static constexpr std::string_view Form = "application/x-www-form-urlencoded";
  if (type.size() < Form.size()) return false;
  for (std::size_t i = 0; i < Form.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(type[i])) != Form[i]) return false;
  return type.size() == Form.size() || type[Form.size()] == ';' || type[Form.size()] == ' ';
}

// The session token from "Authorization: Bearer TOKEN"; empty when missing.
std::string TokenOf(const TWebRequest& request) {
  static constexpr std::string_view Prefix = "Bearer ";
  const std::string& header = request.Authorization;
  if (header.size() <= Prefix.size() || header.compare(0, Prefix.size(), Prefix) != 0) return {};
  return header.substr(Prefix.size());
}

std::int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

const TPageFile* PageFileOf(const TWebRequest& request) {
  if (request.Method != "GET") return nullptr;
  for (std::size_t i = 0; i < PageFileCount; ++i)
    if (PageFiles[i].Path == request.Path) return &PageFiles[i];
  return nullptr;
}

using TFields = std::map<std::string, std::string>;

// The requests that change something, each given the fields of its form.
using TPost = TReply (*)(TClassroom&, const TWebRequest&, TFields&);
const std::map<std::string_view, TPost> Posts = {
    {"/api/join",
     [](TClassroom& room, const TWebRequest& request, TFields& fields) {
       return room.Join(fields["room"], fields["name"], request.Address, fields["device"], fields["code"]);
     }},
    {"/api/start", [](TClassroom& room, const TWebRequest& request,
                      TFields& fields) { return room.Start(TokenOf(request), fields["count"]); }},
    {"/api/answer",
     [](TClassroom& room, const TWebRequest& request, TFields& fields) {
       // A missing field is not the empty answer that clears one.
       if (!fields.count("letters"))
         return TReply{400, ErrorReply(400, "That is not an answer to this question.").Body};
       return room.Answer(TokenOf(request), fields["position"], fields["letters"]);
     }},
    {"/api/check", [](TClassroom& room, const TWebRequest& request,
                      TFields& fields) { return room.Check(TokenOf(request), fields["position"]); }},
    {"/api/go", [](TClassroom& room, const TWebRequest& request,
                   TFields& fields) { return room.Go(TokenOf(request), fields["position"]); }},
    {"/api/away", [](TClassroom& room, const TWebRequest& request,
                     TFields& fields) { return room.Away(TokenOf(request), fields["seconds"]); }},
    {"/api/finish",
     [](TClassroom& room, const TWebRequest& request, TFields&) { return room.Finish(TokenOf(request)); }},
};

}  // namespace

TWebReply ErrorReply(int status, std::string_view message) {
  return {status, std::string(JsonType), ErrorJson(message)};
}

TRoutes::TRoutes(TClassroom& classroom, TErrorLog log) : Classroom(classroom), Log(std::move(log)) {}

bool TRoutes::IsPageFile(const TWebRequest& request) {
  return PageFileOf(request) != nullptr;
}

std::string TRoutes::Client(const TWebRequest& request) {
  const std::string token = TokenOf(request);
  return !token.empty() && Classroom.Knows(token) ? "token " + token : request.Address;
}

TWebReply TRoutes::Serve(const TWebRequest& request) {
  // A client that keeps sending refused requests is answered 429 before its
  // request is looked at, and its connection is closed. A joined student is
  // counted by their token, so one device behind a class's shared address
  // never stops its classmates; only requests without a known token count
  // by address.
  // The page's files are served on the event loop, which never waits for
  // the classroom's lock: they count by address.
  const std::string client = IsPageFile(request) ? request.Address : Client(request);
  if (!Limit.Allows(client, NowMs())) {
    TWebReply refused =
        ErrorReply(429, "Too many requests from this address. Please wait a moment and try again.");
    refused.RetryAfter = refused.Close = true;
    return refused;
  }
  TWebReply reply;
  // The one handler of every route's unexpected error (a damaged store, an
  // attempt the store refuses): the teacher's side hears what it was, the
  // student only that it went wrong.
  try {
    reply = Route(request);
  } catch (const std::exception& error) {
    if (Log) Log(error.what());
    reply = ErrorReply(500, "Something went wrong on the teacher's computer. Please try again.");
  } catch (...) {
    if (Log) Log("an unknown error");
    reply = ErrorReply(500, "Something went wrong on the teacher's computer. Please try again.");
  }
  if (reply.Status >= 400 && reply.Status < 500 && reply.Status != 429) Limit.Refused(client, NowMs());
  if (reply.Status == 429) reply.RetryAfter = true;
  return reply;
}

TWebReply TRoutes::Route(const TWebRequest& request) {
  if (const TPageFile* file = PageFileOf(request))
    return {200, std::string(file->ContentType), std::string(file->Bytes)};
  if (request.Method == "GET" && request.Path == "/api/state")
    return JsonReply(Classroom.State(TokenOf(request)));
  if (request.Method == "GET" && request.Path == "/api/media") {
    const auto query = Form::Parse(request.Query);
    const std::string position = query && query->count("position") ? query->at("position") : std::string();
    TMediaReply media = Classroom.Media(TokenOf(request), position);
    if (media.Status != 200) return ErrorReply(media.Status, "There is no picture to show.");
    return {200, std::move(media.ContentType), std::move(media.Bytes)};
  }
  const auto post = Posts.find(request.Path);
  if (request.Method != "POST" || post == Posts.end())
    return ErrorReply(404, "This request is not understood.");
  if (!IsForm(request.ContentType))
    return ErrorReply(415, "Send the fields as application/x-www-form-urlencoded.");
  auto fields = Form::Parse(request.Body);
  if (!fields) return ErrorReply(400, "The request does not read.");
  return JsonReply(post->second(Classroom, request, *fields));
}

void TRoutes::StoreTimedOut() {
  try {
    Classroom.StoreTimedOut();
  } catch (const std::exception& error) {
    if (Log) Log(error.what());
  }
}
