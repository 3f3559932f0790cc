#include "HelpPage.h"

std::string HelpPage(const std::string& language, const std::string& title, const std::string& body)
{
    return R"(<!DOCTYPE html>
<html lang=")" + language + R"(">
<head>
<meta charset="utf-8">
<title>)" + title + R"(</title>
<style>
body { background-color: #fffbea; color: #222222; }
h1 { color: #2f7d1f; }
h2 { color: #1f5fa8; margin-top: 18px; }
td { padding: 2px 8px; }
.tip { background-color: #e8f6d8; }
</style>
</head>
<body>
<h1>)" + title + "</h1>\n" + body + "</body>\n</html>\n";
}
