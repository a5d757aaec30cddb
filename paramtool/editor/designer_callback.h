#pragma once
// How a page opens the equaliser designer: it fills the request and the parameter set's
// exchange buffer, the designer runs modally, and afterwards the page looks at resultReady.
// The editor's window opens the real dialog; tests plug in a fake.

#include <array>
#include <string>

#include "paramtool/parameter_set.h"

namespace paramtool::editor {

struct DesignerRequest {
  std::string outputPath;
  double sampleRate = 48000;
  std::array<double, 5> frequencies{};
  std::array<double, 5> gainsDb{};
  std::array<double, 5> qs{1, 1, 1, 1, 1};
  bool decodeOnOpen = false;  // decode the exchange buffer into stages when the dialog opens
};

class DesignerCallback {
 public:
  virtual ~DesignerCallback() = default;
  // Runs the designer until the user closes it. It writes exchange.buffer on "Save" and
  // sets exchange.resultReady on every plot and on "Save".
  virtual void runDesigner(const DesignerRequest& request, DesignerExchange& exchange) = 0;
};

}  // namespace paramtool::editor
