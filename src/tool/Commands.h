#pragma once

#include "tool/ToolContext.h"

// One function per command. Each returns its exit status and may throw
// TIoError, which RunTool reports.
int ListCommand(TToolContext& context);
int ShowCommand(TToolContext& context);
int NewCommand(TToolContext& context);
int DecryptCommand(TToolContext& context);
int EncryptCommand(TToolContext& context);
int CheckCommand(TToolContext& context);
int PrintCommand(TToolContext& context);
int GradeCommand(TToolContext& context);
int ScanCommand(TToolContext& context);
int ImportCommand(TToolContext& context);
int ExportCommand(TToolContext& context);
int BlueprintCommand(TToolContext& context);
int DrawCommand(TToolContext& context);

// The results commands, each with its entry in the command table.
struct TCommand;
TCommand ResultsCommandEntry();
TCommand CollectCommandEntry();
TCommand ServeCommandEntry();
