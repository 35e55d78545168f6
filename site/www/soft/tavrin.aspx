<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8">
<meta http-equiv="X-UA-Compatible" content="IE=edge">
<title>Tavrin集中力训练 - 字母表</title>
<style type="text/css">
  body { margin: 0; padding: 16px; background: #ffffff; color: #111111;
         font-family: "Microsoft YaHei", "WenQuanYi Micro Hei", "SimSun", sans-serif; }
  p.hint { margin: 0 0 12px 0; font-size: 14px; color: #555555; }
  table.grid { border-collapse: collapse; margin: 0 auto; }
  table.grid td { width: 40px; height: 36px; padding: 0; text-align: center; vertical-align: middle;
                  border: 1px solid #dddddd;
                  font-family: "Courier New", "DejaVu Sans Mono", monospace; font-size: 28px; font-weight: bold; }
</style>
</head>
<body>
<p class="hint">请在下面的表格中查找提示框里的字符，数一数它们各出现了多少次。</p>
<table class="grid">
  <tr><td>D</td><td>3</td><td>4</td><td>6</td><td>C</td><td>i</td><td>N</td><td>Z</td><td>K</td><td>N</td><td>D</td><td>P</td><td>i</td></tr>
  <tr><td>E</td><td>A</td><td>2</td><td>L</td><td>8</td><td>5</td><td>G</td><td>K</td><td>L</td><td>O</td><td>F</td><td>Q</td><td>J</td></tr>
  <tr><td>P</td><td>E</td><td>H</td><td>6</td><td>1</td><td>Y</td><td>V</td><td>D</td><td>V</td><td>R</td><td>8</td><td>U</td><td>M</td></tr>
  <tr><td>N</td><td>O</td><td>X</td><td>F</td><td>A</td><td>S</td><td>H</td><td>9</td><td>A</td><td>3</td><td>S</td><td>X</td><td>Y</td></tr>
  <tr><td>U</td><td>J</td><td>F</td><td>C</td><td>7</td><td>R</td><td>A</td><td>T</td><td>W</td><td>B</td><td>1</td><td>K</td><td>W</td></tr>
  <tr><td>4</td><td>V</td><td>D</td><td>Q</td><td>K</td><td>2</td><td>D</td><td>M</td><td>Q</td><td>O</td><td>4</td><td>M</td><td>2</td></tr>
  <tr><td>P</td><td>K</td><td>5</td><td>S</td><td>M</td><td>Z</td><td>H</td><td>7</td><td>L</td><td>P</td><td>Q</td><td>5</td><td>G</td></tr>
  <tr><td>6</td><td>Z</td><td>O</td><td>7</td><td>8</td><td>5</td><td>G</td><td>X</td><td>N</td><td>6</td><td>3</td><td>F</td><td>1</td></tr>
  <tr><td>J</td><td>4</td><td>H</td><td>i</td><td>J</td><td>C</td><td>Y</td><td>F</td><td>K</td><td>H</td><td>9</td><td>8</td><td>N</td></tr>
  <tr><td>T</td><td>Y</td><td>V</td><td>L</td><td>1</td><td>R</td><td>G</td><td>9</td><td>W</td><td>8</td><td>T</td><td>S</td><td>S</td></tr>
</table>
</body>
</html>
