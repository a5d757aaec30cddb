#include "console/gui/quorlin_app.h"

int main(int argc, char** argv) { return CQuorlinApp().Run(argc, argv); }
