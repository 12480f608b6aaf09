#include "classroom/Server.h"

#include <httplib.h>

#include <chrono>

#include "classroom/Classroom.h"
#include "classroom/Form.h"
#include "classroom/Json.h"
#include "classroom/PageFiles.h"
#include "classroom/RateLimit.h"

namespace {

constexpr const char* JsonType = "application/json; charset=utf-8";

// The page runs only its own script and style, talks only to this server and
// cannot be framed.
void SecureHeaders(httplib::Response& response) {
  response.set_header("Content-Security-Policy",
                      "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self' blob:; "
                      "connect-src 'self'; form-action 'none'; frame-ancestors 'none'; base-uri 'none'");
  response.set_header("X-Content-Type-Options", "nosniff");
  response.set_header("X-Frame-Options", "DENY");
  response.set_header("Referrer-Policy", "no-referrer");
  response.set_header("Cache-Control", "no-store");
}

void Send(httplib::Response& response, const TReply& reply) {
  response.status = reply.Status;
  response.set_content(reply.Json, JsonType);
}

void SendError(httplib::Response& response, int status, std::string_view message) {
  TJson json;
  json.Begin().Field("error", message).End();
  Send(response, {status, json.Text()});
}

// The session token from "Authorization: Bearer TOKEN"; empty when missing.
std::string TokenOf(const httplib::Request& request) {
  static constexpr std::string_view Prefix = "Bearer ";
  const std::string header = request.get_header_value("Authorization");
  if (header.size() <= Prefix.size() || header.compare(0, Prefix.size(), Prefix) != 0) return {};
  return header.substr(Prefix.size());
}

std::int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

struct TClassroomServer::TImpl {
  TClassroom& Classroom;
  httplib::Server Http;
  TRateLimit Limit;

  explicit TImpl(TClassroom& classroom) : Classroom(classroom) {
    // The library's default also sets SO_REUSEPORT, which lets a second
    // server bind a port already serving a room and take some of its
    // students' requests; a taken port must fail to bind.
    Http.set_socket_options([](socket_t socket) {
      const int yes = 1;
      setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
  }

  // A POST handler: the body must be a form that reads, else 400 and nothing
  // changes.
  using TFields = std::map<std::string, std::string>;
  void Post(const char* path, std::function<TReply(const httplib::Request&, TFields&)> run) {
    Http.Post(path, [run](const httplib::Request& request, httplib::Response& response) {
      const std::string type = request.get_header_value("Content-Type");
      if (type.rfind("application/x-www-form-urlencoded", 0) != 0)
        return SendError(response, 415, "Send the fields as application/x-www-form-urlencoded.");
      auto fields = Form::Parse(request.body);
      if (!fields) return SendError(response, 400, "The request does not read.");
      Send(response, run(request, *fields));
    });
  }
};

TClassroomServer::TClassroomServer(TClassroom& classroom) : Impl(std::make_unique<TImpl>(classroom)) {
  httplib::Server& http = Impl->Http;
  TClassroom& room = classroom;
  http.new_task_queue = [] { return new httplib::ThreadPool(32); };
  // Replies go out at once rather than wait for the client's delayed ack.
  http.set_tcp_nodelay(true);
  http.set_payload_max_length(MaxBodyBytes);
  http.set_read_timeout(TimeoutSeconds, 0);
  http.set_write_timeout(TimeoutSeconds, 0);
  http.set_keep_alive_timeout(TimeoutSeconds);
  http.set_keep_alive_max_count(100);
  // An address that keeps sending refused requests is answered 429 before
  // its request is looked at, and its connection is closed, so its flood
  // holds no worker thread from the others.
  TRateLimit& limit = Impl->Limit;
  http.set_pre_routing_handler([&limit](const httplib::Request& request, httplib::Response& response) {
    if (limit.Allows(request.remote_addr, NowMs())) return httplib::Server::HandlerResponse::Unhandled;
    SendError(response, 429, "Too many requests from this address. Please wait a moment and try again.");
    response.set_header("Retry-After", "1");
    response.set_header("Connection", "close");
    return httplib::Server::HandlerResponse::Handled;
  });
  http.set_post_routing_handler([&limit](const httplib::Request& request, httplib::Response& response) {
    if (response.status >= 400 && response.status < 500 && response.status != 429)
      limit.Refused(request.remote_addr, NowMs());
    SecureHeaders(response);
  });
  http.set_error_handler([](const httplib::Request&, httplib::Response& response) {
    if (response.body.empty()) SendError(response, response.status, "This request is not understood.");
  });

  for (std::size_t i = 0; i < PageFileCount; ++i) {
    const TPageFile& file = PageFiles[i];
    http.Get(std::string(file.Path), [&file](const httplib::Request&, httplib::Response& response) {
      response.set_content(file.Bytes.data(), file.Bytes.size(), std::string(file.ContentType).c_str());
    });
  }

  http.Get("/api/state", [&room](const httplib::Request& request, httplib::Response& response) {
    Send(response, room.State(TokenOf(request)));
  });
  http.Get("/api/media", [&room](const httplib::Request& request, httplib::Response& response) {
    const TMediaReply media = room.Media(TokenOf(request), request.get_param_value("position"));
    if (media.Status != 200) return SendError(response, media.Status, "There is no picture to show.");
    response.set_content(media.Bytes, media.ContentType.c_str());
  });
  using TFields = TImpl::TFields;
  Impl->Post("/api/join", [&room](const httplib::Request& request, TFields& fields) {
    return room.Join(fields["room"], fields["name"], request.remote_addr);
  });
  Impl->Post("/api/start", [&room](const httplib::Request& request, TFields& fields) {
    return room.Start(TokenOf(request), fields["count"]);
  });
  Impl->Post("/api/answer", [&room](const httplib::Request& request, TFields& fields) {
    return room.Answer(TokenOf(request), fields["position"], fields["letters"]);
  });
  Impl->Post("/api/check", [&room](const httplib::Request& request, TFields& fields) {
    return room.Check(TokenOf(request), fields["position"]);
  });
  Impl->Post("/api/go", [&room](const httplib::Request& request, TFields& fields) {
    return room.Go(TokenOf(request), fields["position"]);
  });
  Impl->Post("/api/finish",
             [&room](const httplib::Request& request, TFields&) { return room.Finish(TokenOf(request)); });
}

TClassroomServer::~TClassroomServer() {
  Stop();
}

namespace {

// The library listens with a backlog of 5, which drops the connections of a
// class joining at once; listening again on the same socket raises it.
void WidenBacklog(int port) {
  for (int fd = 3; fd < 4096; ++fd) {
    int listening = 0;
    socklen_t length = sizeof listening;
    if (getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &listening, &length) != 0 || !listening) continue;
    sockaddr_storage address{};
    socklen_t size = sizeof address;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) continue;
    const int bound =
        address.ss_family == AF_INET    ? ntohs(reinterpret_cast<const sockaddr_in*>(&address)->sin_port)
        : address.ss_family == AF_INET6 ? ntohs(reinterpret_cast<const sockaddr_in6*>(&address)->sin6_port)
                                        : -1;
    if (bound == port) ::listen(fd, SOMAXCONN);
  }
}

}  // namespace

int TClassroomServer::Bind(const std::string& address, int port) {
  const int bound =
      port == 0 ? Impl->Http.bind_to_any_port(address) : (Impl->Http.bind_to_port(address, port) ? port : -1);
  if (bound > 0) WidenBacklog(bound);
  return bound;
}

void TClassroomServer::Run() {
  Impl->Http.listen_after_bind();
}

bool TClassroomServer::Running() const {
  return Impl->Http.is_running();
}

void TClassroomServer::Stop() {
  Impl->Http.stop();
}
