# Shared pieces for writing the expected dumps of the golden tests by hand:
# the blocks that repeat (empty application settings, an action).
def ind(n):
    return "    " * n

def action(name, level, app, disp="", mins=-1, maxs=-1, extra=()):
    p, q = ind(level), ind(level + 1)
    return ([f'{p}Action "{name}" {{', f'{q}Application : "{app}"', f'{q}SelectionRule : {q}|',
             f'{q}DisplayString : "{disp}"', f'{q}NameFields {{', f'{q}}}', f'{q}MinSelected : {mins}',
             f'{q}MaxSelected : {maxs}', f'{q}CallbackArg : ""', f'{q}Command {{', f'{q}}}']
            + list(extra) + [f'{p}}}'])

def app_settings():
    return ['    Description {', '    }', '    DisplayString : ""', '    VerificationKey : ""',
            '    HelpDirectory : ""', '    NameFields {', '    }', '    Command {', '    }',
            '    Version : ""', '    Copyrights {', '    }']

def item(label, level, fn, body=(), prec=-1, ctx=""):
    p, q = ind(level), ind(level + 1)
    out = [f'{p}MenuItem <{prec}> "{label}" _ [] {{', f'{q}ContextExpression : "{ctx}"']
    if fn:
        out.append(f'{q}Function : {fn}')
    return out + list(body) + [f'{p}}}']

def menu(name, level, items):
    return [f'{ind(level)}Menu "{name}" {{'] + list(items) + [f'{ind(level)}}}']

def write(path, lines):
    open(path, "w").write("\n".join(lines) + "\n")
