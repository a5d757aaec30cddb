#include "console/gui/quorlin_app.h"

#include "console/gui/quorlin_dlg.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

struct Arguments {
  QuorlinOptions options;
  bool self_test = false;
  std::string screenshot;
  bool ok = true;
};

Arguments ParseArguments(int argc, char** argv) {
  Arguments args;
  for (int i = 1; i < argc; ++i) {
    const bool has_value = i + 1 < argc;
    if (std::strcmp(argv[i], "--port") == 0 && has_value) {
      args.options.extra_port = argv[++i];
    } else if (std::strcmp(argv[i], "--screenshot") == 0 && has_value) {
      args.screenshot = argv[++i];
    } else if (std::strcmp(argv[i], "--self-test") == 0) {
      args.self_test = true;
    } else {
      std::fprintf(stderr, "usage: quorlin [--port PATH] [--self-test] [--screenshot FILE]\n");
      args.ok = false;
    }
  }
  return args;
}

}  // namespace

int CQuorlinApp::Run(int argc, char** argv) {
  QApplication app(argc, argv);
  const Arguments args = ParseArguments(argc, argv);
  if (!args.ok) return 2;

  CQuorlinDlg window(args.options);
  window.show();
  if (args.self_test || !args.screenshot.empty()) {
    QTimer::singleShot(200, &window, [&window, &args] {
      bool saved = true;
      if (!args.screenshot.empty()) saved = window.grab().save(QString::fromStdString(args.screenshot));
      window.close();
      QCoreApplication::exit(saved ? 0 : 1);
    });
  }
  return app.exec();
}
